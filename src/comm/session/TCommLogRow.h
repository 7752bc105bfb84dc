#pragma once
// One session's row of the communication log. Start inserts the row (StartTime, the
// machine, the kind of session) when the session's window opens; End completes it
// (EndTime, Duration, Result, LogEntry) when the session ends. Between the two no
// transaction, cursor or record lock is held, so any number of sessions, the log viewer
// and other writers work on the table meanwhile. A row deleted meanwhile is written again
// whole at the end.
#include "comm/crs/SessionEnums.h"
#include "platform/sys/TDateTime.h"

#include <QString>
#include <QStringList>
#include <optional>

class tMachine;

class TCommLogRow {
public:
  // Inserts the start row, the table checked first (made when missing). Errors of the
  // table pass on.
  void Start(const tMachine& machine, int commType);
  // Completes the row with the message the session ended with and its progress lines.
  void End(tMpMessage message, const QStringList& progressLines);

  bool Started() const { return id_.has_value(); }
  std::optional<qint64> Id() const { return id_; }

private:
  std::optional<qint64> id_;
  TDateTime startTime_;
  QString commType_;
  qint32 storeNumber_ = 0;
  qint32 machineNumber_ = 0;
  QString machineId_;
};
