// A script run for two machines on two lines: each machine's actions become its jobs, run
// in order in the session of its line while the other line runs its own.
#include "WindowFixture.h"

#include "comm/actions/tActnRpt.h"
#include "comm/jobs/HisStatus.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/scripts/tScrpt.h"
#include "crs-sim/SimCommand.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"

#include <QMap>
#include <utility>

namespace {
using ScriptJobs = WindowFixture;

// The report codes the register was asked to read, in order.
QList<int> ReportReads(const CrsSim& register_) {
  QList<int> codes;
  for (const SimTranscriptEntry& e : register_.Transcript())
    if (!e.sent && e.kind == SimWireFrame::Data && e.body.size() > 1 && quint8(e.body[0]) == SimCommand::ReadReport)
      codes << quint8(e.body[1]);
  return codes;
}

// The stored polls' report names of the machine in the order they were stored, of the
// reports named (a financial poll stores its sections' tables under names of their own).
QString StoredReports(const QString& machineId, const QStringList& named) {
  TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
  query.Exec(QStringLiteral("SELECT \"Report Name\" FROM \"AllPolls\" WHERE \"Machine Id\" = ? ORDER BY \"Poll Id\""),
             {machineId});
  QStringList names;
  while (query.Next())
    if (named.contains(query.Value(0).toString())) names << query.Value(0).toString();
  return names.join(QLatin1Char(','));
}

TEST_F(ScriptJobs, AScriptRunsItsActionsInOrderOnEachMachinesLine) {
  SimLineOnPort line8(8);
  for (CrsSim* s : {&sim, &line8.sim}) {
    SetReport(*s, 33, QStringLiteral("fncl303"));
    SetReport(*s, 34, QStringLiteral("cashier303"));
    SetReport(*s, 44, QStringLiteral("coupon"));
  }
  AddRegister(QStringLiteral("Front"));
  AddRegister(QStringLiteral("Back"), line8.port);
  const QMap<QString, QStringList> reports{
      {QStringLiteral("Front"), {"Financial", "Cashier", "Coupon"}},
      {QStringLiteral("Back"), {"Coupon", "Financial", "Cashier"}}};
  QMap<QString, QList<std::pair<int, qint32>>> calls;
  std::vector<std::unique_ptr<tScrpt>> scripts;
  for (const QString& id : {QStringLiteral("Front"), QStringLiteral("Back")}) {
    std::unique_ptr<tMachine> machine = FindMachine(id);
    auto script = std::make_unique<tScrpt>(machine->Ecr());
    script->SetScrptID(QStringLiteral("Morning"));
    for (const QString& name : reports[id]) script->AddActn(ReportPoll(*machine, name));
    script->RunScrpt(*machine, false, [&calls, id](int result, qint32 finished) { calls[id].append({result, finished}); },
                     false, false, QString(), false, QStringLiteral("User"));
    scripts.push_back(std::move(script));
  }
  EXPECT_EQ(ctrl.HighSlot(), 2) << "both lines at once";
  ASSERT_TRUE(RunUntilIdle(60000));

  const QList<std::pair<int, qint32>> allDone{{2, 1}, {2, 2}, {2, 3}};
  EXPECT_EQ(calls.value(QStringLiteral("Front")), allDone);
  EXPECT_EQ(calls.value(QStringLiteral("Back")), allDone);
  EXPECT_EQ(ReportReads(sim), (QList<int>{33, 34, 44}));
  EXPECT_EQ(ReportReads(line8.sim), (QList<int>{44, 33, 34}));
  for (const QString& id : {QStringLiteral("Front"), QStringLiteral("Back")}) {
    SCOPED_TRACE(id.toStdString());
    EXPECT_EQ(StoredReports(id, reports[id]), reports[id].join(QLatin1Char(',')));
    EXPECT_EQ(Polls(id), 8) << "the financial report's six tables, a cashier and a coupon poll";
  }

  QMap<QString, QStringList> ended;
  for (const auto& job : Ended()) {
    EXPECT_EQ(job->Status, HisStatus::Successful) << job->MachineId.toStdString();
    EXPECT_EQ(job->ScriptId, QStringLiteral("Morning"));
    ended[job->MachineId] << job->GetActn()->DispTitle().section(QStringLiteral(" - "), 1);
  }
  EXPECT_EQ(ended, reports) << "every job in History, each machine's in the script's order";
  EXPECT_TRUE(TheHistory().GetPendingList().isEmpty());
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 2) << "one session a line";
  for (const LogRow& row : rows)
    EXPECT_FALSE(row.entry.contains(QStringLiteral("Failed"))) << row.entry.toStdString();
  EXPECT_FALSE(TheHistory().IsPortBusy(Port));
  EXPECT_FALSE(TheHistory().IsPortBusy(line8.port));
}
} // namespace
