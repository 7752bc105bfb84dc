// A job's action: stored with it, attached to the job's machine when read back, and its
// in-memory options kept beside the pending job.
#include "JobsFixture.h"

#include "ActnDoubles.h"
#include "comm/actions/ActnMachineId.h"
#include "comm/actions/tActnRpt.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "model/tEcrRpt.h"

#include <gtest/gtest.h>

namespace {
class JobActionTest : public JobsFixture {
protected:
  // A poll of the "Financial" report of the stored machine.
  std::unique_ptr<tActnRpt> FinancialPoll(const QString& machineId) {
    std::unique_ptr<tMachine> machine = FindMachine(machineId);
    auto actn = tActn::New<tActnRpt>(machine.get(), machine->Ecr());
    for (int i = 1; i <= machine->Ecr()->RptCount(); ++i)
      if (machine->Ecr()->Rpt(i)->GetRptName() == QLatin1String("Financial")) actn->SetRpt(machine->Ecr()->Rpt(i));
    return actn;
  }
};

TEST_F(JobActionTest, ARoundTripKeepsTheActionAndAttachesItToTheJobsMachine) {
  ActnDoubles::StoreMachine(QStringLiteral("Till 1"));
  ActnDoubles::StoreMachine(QStringLiteral("Till 2"));
  std::unique_ptr<tActnRpt> poll = FinancialPoll(QStringLiteral("Till 1"));
  tHistoryEvent job(nullptr, poll.get(), QStringLiteral("Direct to COM1"), QStringLiteral("Till 1"),
                    QStringLiteral("Prompted"), QStringLiteral("User"), false);

  // Another machine's id published elsewhere must not capture the job's action.
  SetLastActnMachineId(QStringLiteral("Till 2"));
  std::unique_ptr<tHistoryEvent> copy = CopyEvent(job);
  auto* actn = dynamic_cast<tActnRpt*>(copy->GetActn());
  ASSERT_NE(actn, nullptr);
  EXPECT_EQ(actn->DispTitle(), QStringLiteral("REPORT POLL - Financial"));
  ASSERT_NE(actn->Machine(), nullptr);
  EXPECT_EQ(actn->Machine()->MachineId, QStringLiteral("Till 1"));
  EXPECT_TRUE(actn->TargetAttached());
  EXPECT_EQ(LastActnMachineId(), QStringLiteral("Till 2"));
}

TEST_F(JobActionTest, ALoadedPendingJobGetsBackItsCallbackAndActionOptions) {
  ActnDoubles::StoreMachine(QStringLiteral("Till 1"));
  std::unique_ptr<tActnRpt> poll = FinancialPoll(QStringLiteral("Till 1"));
  poll->AutoReport = true;
  poll->AutoExport = true;
  poll->AppendExport = true;
  poll->ExportFile = QStringLiteral("/tmp/fncl.txt");
  const QString id = Queue(QStringLiteral("Till 1"), QStringLiteral("Direct to COM1"), -1, 5, poll.get());

  std::unique_ptr<tHistoryEvent> job = Pending(id);
  ASSERT_TRUE(job && job->GetActn());
  EXPECT_TRUE(job->GetActn()->AutoReport);
  EXPECT_TRUE(job->GetActn()->AutoExport);
  EXPECT_TRUE(job->GetActn()->AppendExport);
  EXPECT_EQ(job->GetActn()->ExportFile, QStringLiteral("/tmp/fncl.txt"));
  job->CallBack(2);
  EXPECT_EQ(callbacks[id], QList<int>{2});
}
} // namespace
