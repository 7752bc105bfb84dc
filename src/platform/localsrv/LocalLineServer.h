#pragma once
// A local socket server for requests and replies that are lines of text. Only the user
// who runs it can connect: the socket is made readable and writable by the user alone,
// and a connection from a process of any other user is closed at once. Runs on the
// thread that makes it (the GUI thread); requests arrive as events there.
#include "platform/localsrv/LineFramer.h"
#include "platform/localsrv/LocalLineConnection.h"

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

class LocalLineServer : public QObject {
  Q_OBJECT
public:
  struct Request {
    QByteArray line;
    bool overlong = false; // line holds only the first LineLimit() bytes
    LocalLineReply reply;
  };
  using Handler = std::function<void(const Request&)>;

  // Lines longer than the limit reach the handler cut and marked over-long.
  LocalLineServer(qsizetype lineLimit, Handler handler, QObject* parent = nullptr);
  ~LocalLineServer() override;

  // Listens at the path. A socket file left behind by a server that is gone is replaced;
  // one that a live server answers at is not (ELocalServer), nor is a path that cannot be
  // bound.
  void Listen(const QString& path);
  void Close();
  // Sends the text as a notice line to every client connected now.
  void Notify(const QByteArray& text);
  QString Path() const;
  int Connections() const { return connections_; }
  qsizetype LineLimit() const { return lineLimit_; }

Q_SIGNALS:
  void ClientConnected();

private:
  void Accept();

  qsizetype lineLimit_;
  Handler handler_;
  QLocalServer* server_;
  int connections_ = 0;
};
