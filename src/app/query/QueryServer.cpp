#include "app/query/QueryServer.h"

#include "app/query/QueryHandler.h"
#include "app/query/QueryService.h"
#include "platform/sys/Exception.h"

#include <QCoreApplication>
#include <QDebug>

QueryServer* QueryServer::Start(std::function<void()> onClientConnected) {
  try {
    auto* server = new QueryServer(QueryService::SocketPath(), QCoreApplication::instance());
    if (onClientConnected) connect(server, &QueryServer::ClientConnected, server, std::move(onClientConnected));
    return server;
  } catch (const std::exception& e) {
    qWarning().noquote() << QStringLiteral("The query server did not start: ") + ExceptionMessage(e);
    return nullptr;
  }
}

QueryServer::QueryServer(const QString& path, QObject* parent)
    : QObject(parent),
      server_(std::make_unique<LocalLineServer>(QueryService::kRequestLimit,
                                                [this](const LocalLineServer::Request& r) { Take(r); })) {
  connect(server_.get(), &LocalLineServer::ClientConnected, this, &QueryServer::ClientConnected);
  server_->Listen(path);
}

QueryServer::~QueryServer() = default;

void QueryServer::Take(const LocalLineServer::Request& request) {
  queue_.push_back(request);
  // A request that arrives while one is handled (its wait lets events in) waits its turn.
  if (handling_) return;
  handling_ = true;
  while (!queue_.empty()) {
    const LocalLineServer::Request next = queue_.front();
    queue_.pop_front();
    next.reply.Send(QueryHandler::Handle(next.line, next.overlong));
    ++answered_;
  }
  handling_ = false;
}
