#include "platform/localsrv/LocalLineClient.h"

#include "platform/localsrv/LineFramer.h"
#include "platform/localsrv/LocalLineConnection.h"
#include "platform/localsrv/LocalSrvErrors.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>

namespace {
int Remaining(const QDeadlineTimer& deadline) { return int(qMax<qint64>(1, deadline.remainingTime())); }
} // namespace

namespace LocalLineClient {
QByteArray Ask(const QString& path, const QByteArray& line, int timeoutMs, qsizetype replyLimit) {
  if (line.contains('\n')) throw ELocalClient(QStringLiteral("A request is one line"));
  const QDeadlineTimer deadline(timeoutMs);
  if (!QFileInfo::exists(path)) throw ELocalClient(QStringLiteral("No server is running at ") + path);
  QLocalSocket socket;
  socket.connectToServer(path);
  if (!socket.waitForConnected(Remaining(deadline)))
    throw ELocalClient(QStringLiteral("Cannot reach the server at %1: %2").arg(path, socket.errorString()));
  socket.write(line + '\n');
  while (socket.bytesToWrite() > 0)
    if (!socket.waitForBytesWritten(Remaining(deadline)))
      throw ELocalClient(QStringLiteral("The request could not be sent: ") + socket.errorString());
  LineFramer framer(replyLimit);
  for (;;) {
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(Remaining(deadline)) && socket.bytesAvailable() == 0) {
      if (socket.state() != QLocalSocket::ConnectedState)
        throw ELocalClient(QStringLiteral("The server closed the connection without an answer"));
      if (deadline.hasExpired()) throw ELocalClient(QStringLiteral("No answer within %1 ms").arg(timeoutMs));
      throw ELocalClient(QStringLiteral("The answer could not be read: ") + socket.errorString());
    }
    for (const LineFramer::Line& reply : framer.Feed(socket.readAll())) {
      if (reply.text.startsWith(LocalLineConnection::kNoticeMark)) continue; // a notice, not the answer
      if (reply.overlong) throw ELocalClient(QStringLiteral("The answer is longer than %1 bytes").arg(replyLimit));
      socket.disconnectFromServer();
      return reply.text;
    }
  }
}
} // namespace LocalLineClient
