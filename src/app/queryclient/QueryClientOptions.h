#pragma once
// The command line of tillbridge-query:
//   tillbridge-query [--socket PATH] [--timeout SECONDS] COMMAND MACHINE ANSWERFILE [PARAM...]
// The fields become one request line; the parameters are joined by TABs ("Poll" takes the
// poll id and the kind). An answer file "-" is a temporary file whose answer is printed.
#include <QString>
#include <QStringList>
#include <optional>

struct QueryClientOptions {
  QString socket;
  int timeoutMs = 60000;
  QString command;
  QString machineId;
  QString answerFile; // made absolute against the current folder
  bool print = false;
  QStringList params;

  // The options, or nullopt with the reason in error.
  static std::optional<QueryClientOptions> Parse(const QStringList& arguments, QString& error);
  QByteArray RequestLine(const QString& answerPath) const;
};

extern const char* const kQueryClientUsage;
