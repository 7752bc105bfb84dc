#pragma once
// The query server the program runs for other programs on the same computer: a local
// socket in the user's runtime folder, reachable by the user alone, on the GUI thread.
// Requests are handled one after the other, in the order they arrive; one that comes
// while another waits (for the machine file, say) is queued behind it.
#include "platform/localsrv/LocalLineServer.h"

#include <QObject>
#include <deque>
#include <functional>
#include <memory>

class QueryServer : public QObject {
  Q_OBJECT
public:
  // The program's one line: starts the server at the service's socket (see QueryService)
  // for the rest of the run. onClientConnected runs when a client connects (the main
  // window minimises itself). When the server cannot start (another instance of the
  // program holds the socket), that is logged and the program goes on without it.
  static QueryServer* Start(std::function<void()> onClientConnected = {});

  // A server at the path; ELocalServer when it cannot listen there.
  explicit QueryServer(const QString& path, QObject* parent = nullptr);
  ~QueryServer() override;

  QString Path() const { return server_->Path(); }
  // Tells every connected client the text as a notice line (the main window's activation
  // notice); a client waiting for its answer passes over it.
  void Notice(const QString& text) { server_->Notify(text.toUtf8()); }
  int Answered() const { return answered_; }

Q_SIGNALS:
  void ClientConnected();

private:
  void Take(const LocalLineServer::Request& request);

  std::unique_ptr<LocalLineServer> server_;
  std::deque<LocalLineServer::Request> queue_;
  bool handling_ = false;
  int answered_ = 0;
};
