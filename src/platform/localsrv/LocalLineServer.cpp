#include "platform/localsrv/LocalLineServer.h"

#include "platform/localsrv/LocalSrvErrors.h"
#include "platform/sys/TimingProfile.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The user id of the process at the other end, or -1 when the system does not say.
long PeerUid(qintptr descriptor) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return -1;
  return long(credentials.uid);
}

bool ServerAnswers(const QString& path) {
  QLocalSocket probe;
  probe.connectToServer(path);
  const bool live = probe.waitForConnected(TimingMs("LocalServerProbe", 1000));
  probe.abort();
  return live;
}
} // namespace

LocalLineServer::LocalLineServer(qsizetype lineLimit, Handler handler, QObject* parent)
    : QObject(parent), lineLimit_(lineLimit), handler_(std::move(handler)), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // Many clients may knock at once; the rest wait in the kernel's queue.
  server_->setListenBacklogSize(256);
  server_->setMaxPendingConnections(256);
  connect(server_, &QLocalServer::newConnection, this, &LocalLineServer::Accept);
}

LocalLineServer::~LocalLineServer() { Close(); }

void LocalLineServer::Listen(const QString& path) {
  if (ServerAnswers(path)) throw ELocalServer(QStringLiteral("Another server is running at ") + path);
  QLocalServer::removeServer(path);
  if (!server_->listen(path))
    throw ELocalServer(QStringLiteral("Cannot listen at %1: %2").arg(path, server_->errorString()));
}

void LocalLineServer::Close() {
  if (server_->isListening()) server_->close();
}

void LocalLineServer::Notify(const QByteArray& text) {
  for (LocalLineConnection* connection : findChildren<LocalLineConnection*>(Qt::FindDirectChildrenOnly))
    connection->Notice(text);
}

QString LocalLineServer::Path() const { return server_->fullServerName(); }

void LocalLineServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (PeerUid(socket->socketDescriptor()) != long(getuid())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    auto* connection = new LocalLineConnection(
        socket, lineLimit_, TimingMs("LocalClientIdle", 60000),
        [this](LocalLineConnection& from, const LineFramer::Line& line) {
          handler_(Request{line.text, line.overlong, LocalLineReply(from)});
        },
        this);
    ++connections_;
    connect(connection, &LocalLineConnection::Closed, this, [this] { --connections_; });
    Q_EMIT ClientConnected();
  }
}
