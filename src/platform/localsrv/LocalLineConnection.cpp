#include "platform/localsrv/LocalLineConnection.h"

#include <QLocalSocket>
#include <QTimer>

LocalLineConnection::LocalLineConnection(QLocalSocket* socket, qsizetype lineLimit, int idleMs, LineHandler handler,
                                         QObject* parent)
    : QObject(parent), socket_(socket), framer_(lineLimit), idle_(new QTimer(this)), handler_(std::move(handler)) {
  socket_->setParent(this);
  idle_->setSingleShot(true);
  idle_->setInterval(idleMs);
  connect(idle_, &QTimer::timeout, this, &LocalLineConnection::Idle);
  connect(socket_, &QLocalSocket::readyRead, this, &LocalLineConnection::Read);
  connect(socket_, &QLocalSocket::disconnected, this, [this] {
    Q_EMIT Closed();
    deleteLater();
  });
  idle_->start();
  // Bytes may have come with the connection, before readyRead was connected.
  QTimer::singleShot(0, this, &LocalLineConnection::Read);
}

LocalLineConnection::~LocalLineConnection() = default;

void LocalLineConnection::Read() {
  const QByteArray bytes = socket_->readAll();
  if (bytes.isEmpty()) return;
  idle_->start();
  const QPointer<LocalLineConnection> self(this);
  const LineHandler handler = handler_; // outlives this connection, should it go
  for (const LineFramer::Line& line : framer_.Feed(bytes)) {
    ++awaiting_;
    // The handler may let events in, and a client that went away meanwhile may have
    // taken this connection with it.
    handler(*this, line);
    if (!self) return;
  }
}

void LocalLineConnection::Reply(const QByteArray& text) {
  if (awaiting_ > 0) --awaiting_;
  Send(text.startsWith(kNoticeMark) ? ' ' + text : text);
}

void LocalLineConnection::Notice(const QByteArray& text) { Send(kNoticeMark + text); }

void LocalLineConnection::Send(const QByteArray& line) {
  if (socket_->state() != QLocalSocket::ConnectedState) return;
  socket_->write(line + '\n');
  socket_->flush();
  idle_->start();
}

void LocalLineConnection::Idle() {
  if (awaiting_ > 0) return idle_->start();
  socket_->disconnectFromServer();
}

void LocalLineReply::Send(const QByteArray& text) const {
  if (connection_) connection_->Reply(text);
}
