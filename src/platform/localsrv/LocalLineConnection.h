#pragma once
// One client's connection to a LocalLineServer: cuts what the client sends into lines,
// hands each on, and sends replies as lines. The server may also send notices, unasked: a
// notice line begins with kNoticeMark, which no reply begins with, so a client waiting for
// its answer passes over them. A connection that stays silent past the
// idle time, with no request of its own waiting for an answer, is closed.
#include "platform/localsrv/LineFramer.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QLocalSocket;
class QTimer;

class LocalLineConnection : public QObject {
  Q_OBJECT
public:
  using LineHandler = std::function<void(LocalLineConnection&, const LineFramer::Line&)>;

  // Takes the socket over.
  LocalLineConnection(QLocalSocket* socket, qsizetype lineLimit, int idleMs, LineHandler handler, QObject* parent);
  ~LocalLineConnection() override;

  static constexpr char kNoticeMark = '!';

  // Sends the text and an LF; counts one awaited answer as given. A reply that would begin
  // with the notice mark gets a space in front.
  void Reply(const QByteArray& text);
  // Sends kNoticeMark, the text and an LF; no answer is counted.
  void Notice(const QByteArray& text);
  int Awaiting() const { return awaiting_; }

Q_SIGNALS:
  void Closed();

private:
  void Read();
  void Idle();
  void Send(const QByteArray& line);

  QLocalSocket* socket_;
  LineFramer framer_;
  QTimer* idle_;
  LineHandler handler_;
  int awaiting_ = 0;
};

// A reply to one request, sent later; dropped when the client has gone in between.
class LocalLineReply {
public:
  LocalLineReply() = default;
  explicit LocalLineReply(LocalLineConnection& connection) : connection_(&connection) {}
  void Send(const QByteArray& text) const;
  bool Connected() const { return !connection_.isNull(); }

private:
  QPointer<LocalLineConnection> connection_;
};
