#include "QueryClientRun.h"

#include "app/query/QueryService.h"
#include "platform/localsrv/LocalLineClient.h"
#include "platform/localsrv/LocalSrvErrors.h"

#include <QFile>
#include <QTemporaryFile>

int RunQueryClient(const QueryClientOptions& options, FILE* out, FILE* err) {
  const QString socket = options.socket.isEmpty() ? QueryService::SocketPath() : options.socket;
  QTemporaryFile printed;
  QString answerPath = options.answerFile;
  if (options.print) {
    if (!printed.open()) {
      std::fprintf(err, "tillbridge-query: no temporary file for the answer: %s\n", qPrintable(printed.errorString()));
      return 3;
    }
    answerPath = printed.fileName();
  }
  QByteArray reply;
  try {
    reply = LocalLineClient::Ask(socket, options.RequestLine(answerPath), options.timeoutMs);
  } catch (const ELocalClient& e) {
    std::fprintf(err, "tillbridge-query: %s\n", e.what());
    return 3;
  }
  if (reply != "OK") {
    std::fprintf(err, "tillbridge-query: %s\n", (reply.startsWith("ERR ") ? reply.mid(4) : reply).constData());
    return 1;
  }
  if (options.print) {
    QFile answer(answerPath);
    if (!answer.open(QIODevice::ReadOnly)) return 3;
    const QByteArray bytes = answer.readAll();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    std::fflush(out);
  }
  return 0;
}
