#include "comm/session/TCommLogRow.h"

#include "comm/session/CommLogDuration.h"
#include "comm/session/CommLogEntry.h"
#include "comm/session/CommLogTable.h"
#include "model/tMachine.h"
#include "platform/engine/TTable.h"

namespace {
void SetStartFields(TTable& table, TDateTime start, const QString& commType, qint32 store, qint32 machineNumber,
                    const QString& machineId) {
  table.FieldByName(QStringLiteral("StartTime")).SetAsDateTime(start);
  table.FieldByName(QStringLiteral("StoreNumber")).SetAsInteger(store);
  table.FieldByName(QStringLiteral("MachineNumber")).SetAsInteger(machineNumber);
  table.FieldByName(QStringLiteral("MachineID")).SetAsString(machineId);
  table.FieldByName(QStringLiteral("CommType")).SetAsString(commType);
}
} // namespace

void TCommLogRow::Start(const tMachine& machine, int commType) {
  startTime_ = TDateTime::Now();
  commType_ = CommTypeText(commType);
  storeNumber_ = machine.StoreNumber;
  machineNumber_ = machine.MachineNumber;
  machineId_ = machine.MachineId;

  TTable table;
  CommLogTable::Open(table);
  table.Append();
  SetStartFields(table, startTime_, commType_, storeNumber_, machineNumber_, machineId_);
  table.Post();
  id_ = table.FieldByName(QStringLiteral("ID")).AsInteger();
  table.Close();
}

void TCommLogRow::End(tMpMessage message, const QStringList& progressLines) {
  TTable table;
  CommLogTable::Open(table);
  if (id_ && table.FindKey({*id_})) {
    table.Edit();
  } else {
    table.Append();
    SetStartFields(table, startTime_, commType_, storeNumber_, machineNumber_, machineId_);
  }
  table.FieldByName(QStringLiteral("EndTime")).SetAsDateTime(TDateTime::Now());
  // Both times as the table keeps them, so the duration agrees with what the row shows.
  const TDateTime start = table.FieldByName(QStringLiteral("StartTime")).AsDateTime();
  const TDateTime end = table.FieldByName(QStringLiteral("EndTime")).AsDateTime();
  table.FieldByName(QStringLiteral("Duration")).SetAsString(CommLogDuration(start, end));
  table.FieldByName(QStringLiteral("LogEntry")).SetAsString(CommLogEntry::Text(progressLines));
  table.FieldByName(QStringLiteral("Result")).SetAsString(MsgResultText(message));
  table.Post();
  id_ = table.FieldByName(QStringLiteral("ID")).AsInteger();
  table.Close();
}
