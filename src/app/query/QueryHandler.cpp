#include "app/query/QueryHandler.h"

#include "app/query/QueryAnswerFile.h"
#include "app/query/QueryCommands.h"
#include "app/query/QueryErrors.h"
#include "app/query/QueryRequest.h"
#include "app/query/QueryService.h"

#include <QDebug>

namespace {
QByteArray Refuse(const QueryRequest& request, const QString& reason) {
  QString text = reason;
  text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  qWarning().noquote() << QStringLiteral("Query \"%1\" for \"%2\" into \"%3\" refused: %4")
                              .arg(request.command.left(64), request.machineId.left(64), request.outputFile, text);
  return "ERR " + text.toUtf8();
}

QStringList Answer(const QueryRequest& request, bool overlong) {
  if (overlong) {
    // The answer file's path came whole: it gets its empty answer all the same.
    if (request.tabs == 3) QueryAnswerFile::Create(request.outputFile);
    throw EQueryRequest(QStringLiteral("The request is longer than %1 bytes").arg(QueryService::kRequestLimit));
  }
  QueryAnswerFile::Create(request.outputFile);
  return QueryCommands::Answer(request);
}
} // namespace

namespace QueryHandler {
QByteArray Handle(const QByteArray& line, bool overlong) {
  const QueryRequest request = QueryRequest::Parse(QString::fromUtf8(line));
  try {
    const QStringList answer = Answer(request, overlong);
    QueryAnswerFile::Write(request.outputFile, answer);
    return "OK";
  } catch (const std::exception& e) {
    return Refuse(request, ExceptionMessage(e));
  } catch (...) {
    return Refuse(request, QStringLiteral("Unexpected error"));
  }
}
} // namespace QueryHandler
