#include "QueryClientOptions.h"

#include <QDir>

const char* const kQueryClientUsage =
    "usage: tillbridge-query [--socket PATH] [--timeout SECONDS] COMMAND MACHINE ANSWERFILE [PARAM...]\n"
    "  COMMAND     MachineList, PLUList, UPCList, GroupList, FnclList, EmplList,\n"
    "              Available KIND, PollList KIND, Poll POLLID KIND, PLUPrg, UPCPrg\n"
    "              (KIND: 0 PLU, 1 financial, 2 group, 3 time keeping)\n"
    "  MACHINE     the machine's id (\"\" for MachineList)\n"
    "  ANSWERFILE  where the answer is written; - prints it instead\n"
    "  --socket    the server's socket (default: $TILLBRIDGE_QUERY_SOCKET, else the\n"
    "              program's socket in the user's runtime folder)\n"
    "  --timeout   seconds to wait for the answer (default 60)\n"
    "Exit status: 0 answered, 1 refused (the reason on standard error), 2 usage,\n"
    "3 no server or no answer in time.\n";

namespace {
bool HasLineBreak(const QString& text) { return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')); }
} // namespace

std::optional<QueryClientOptions> QueryClientOptions::Parse(const QStringList& arguments, QString& error) {
  QueryClientOptions options;
  QStringList fields;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if ((a == QLatin1String("--socket") || a == QLatin1String("--timeout")) && fields.isEmpty()) {
      if (i + 1 >= arguments.size()) {
        error = a + QStringLiteral(" needs a value");
        return std::nullopt;
      }
      const QString value = arguments[++i];
      if (a == QLatin1String("--socket")) {
        options.socket = value;
        continue;
      }
      bool ok = false;
      const double seconds = value.toDouble(&ok);
      if (!ok || seconds <= 0 || seconds > 86400) {
        error = QStringLiteral("--timeout wants seconds, not '%1'").arg(value);
        return std::nullopt;
      }
      options.timeoutMs = int(seconds * 1000);
      continue;
    }
    fields << a;
  }
  if (fields.size() < 3) {
    error = QStringLiteral("a command, a machine and an answer file are needed");
    return std::nullopt;
  }
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (HasLineBreak(fields[i]) || (i < 3 && fields[i].contains(QLatin1Char('\t')))) {
      error = QStringLiteral("'%1' holds a line break or a TAB").arg(fields[i]);
      return std::nullopt;
    }
  }
  options.command = fields[0];
  options.machineId = fields[1];
  options.print = fields[2] == QLatin1String("-");
  options.answerFile = options.print ? QString() : QDir::current().absoluteFilePath(fields[2]);
  options.params = fields.mid(3);
  return options;
}

QByteArray QueryClientOptions::RequestLine(const QString& answerPath) const {
  return QStringList{command, machineId, answerPath, params.join(QLatin1Char('\t'))}.join(QLatin1Char('\t')).toUtf8();
}
