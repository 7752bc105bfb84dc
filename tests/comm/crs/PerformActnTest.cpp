// Which transfer an action becomes: the module decides on the action's exact class and
// hands the driver's own program or report, carrying the action's parameters, to it.
#include "ActnDoubles.h"

#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "comm/crs/TProgressLines.h"
#include "comm/crs/TdmCommBase.h"
#include "model/tMachine.h"

#include <gtest/gtest.h>

namespace {
// A module that records the transfer it is asked for, and the end reports.
class RecordingModule : public TdmCommBase {
public:
  RecordingModule() {
    connect(this, &TdmCommBase::TransferEnded, this, [this](tMpMessage m) { ended << m; });
  }
  void ReceivePrg(tEcrPrg& prg) override { Record("receive", prg); }
  void SendPrg(tEcrPrg& prg) override { Record("send", prg); }
  void PollRpt(tEcrRpt& rpt) override { Record("poll", rpt); }

  QString call;
  const tEcrFnct* object = nullptr;
  QList<tMpMessage> ended;

private:
  void Record(const char* what, tEcrFnct& obj) {
    call = QString::fromLatin1(what);
    object = &obj;
  }
};

class PerformActn : public ::testing::Test {
protected:
  PerformActn() {
    module.Machine = machine.get();
    module.Progress = &progress;
  }
  tEcr& Driver() const { return *machine->Ecr(); }

  std::unique_ptr<tMachine> machine = ActnDoubles::NewMachine(QStringLiteral("Front"));
  TProgressLines progress;
  RecordingModule module;
};
} // namespace

TEST_F(PerformActn, EachKindBecomesItsTransferOfTheDriversOwnObjectWithTheActionsParameters) {
  struct Case {
    const TClass* kind;
    QString target;
    QString call;
  };
  const Case cases[] = {{&tActnPrgSnd::StaticClass(), "Bravo", "send"},
                        {&tActnPrgRec::StaticClass(), "Alpha", "receive"},
                        {&tActnRpt::StaticClass(), "Financial", "poll"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call.toStdString());
    std::unique_ptr<tActn> action = tActn::New(*c.kind, nullptr, &Driver());
    tEcrFnct* own = nullptr;
    if (auto* prg = dynamic_cast<tActnPrg*>(action.get())) {
      std::unique_ptr<tEcrPrg> target = Driver().FindPrgByName(c.target);
      own = Driver().FindPrgByClass(target->ClassName());
      target->SetIntParam(4, 12);
      target->SetCompParam(0, -5);
      prg->AdoptPrg(std::move(target));
    } else {
      std::unique_ptr<tEcrRpt> target = Driver().FindRptByName(c.target);
      own = Driver().FindRptByClass(target->ClassName());
      target->SetIntParam(4, 12);
      target->SetCompParam(0, -5);
      static_cast<tActnRpt&>(*action).AdoptRpt(std::move(target));
    }
    module.PerformActn(*action);
    EXPECT_EQ(module.call, c.call);
    EXPECT_EQ(module.object, own) << "the driver's own object is transferred";
    EXPECT_EQ(own->GetIntParam(4), 12);
    EXPECT_EQ(own->GetCompParamValue(0), -5);
  }
  EXPECT_TRUE(module.ended.isEmpty());
}

TEST_F(PerformActn, AReportPollCarriesTheActionsFourOptionsIntoTheReport) {
  auto action = tActn::New<tActnRpt>(nullptr, &Driver());
  action->AdoptRpt(Driver().FindRptByName(QStringLiteral("Financial")));
  action->Rpt()->AutoExport = true; // the action's options count, not the report's
  action->AutoReport = true;
  action->AppendExport = true;
  action->ExportFile = QStringLiteral("fin.txt");
  module.PerformActn(*action);
  const tEcrRpt* own = Driver().FindRptByClass(QStringLiteral("tActnTestRptFncl"));
  ASSERT_EQ(module.object, own);
  EXPECT_TRUE(own->AutoReport);
  EXPECT_FALSE(own->AutoExport);
  EXPECT_TRUE(own->AppendExport);
  EXPECT_EQ(own->ExportFile, "fin.txt");
}

// An action that cannot be performed ends at once as failed, with its line; nothing
// waits for a watchdog.
TEST_F(PerformActn, AnActionThatCannotBePerformedFailsAtOnceWithALine) {
  struct Case {
    const TClass* kind;
    QString line;
  };
  const Case cases[] = {{&tActn::StaticClass(), "Action not implemented, [This should be an exceptions]"},
                        {&tActnPrgSnd::StaticClass(), "No program to transfer: PROGRAM SEND"},
                        {&tActnPrgRec::StaticClass(), "No program to transfer: PROGRAM RECEIVE"},
                        {&tActnRpt::StaticClass(), "No report to poll: REPORT POLL"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.toStdString());
    progress.Clear();
    module.ended.clear();
    const std::unique_ptr<tActn> action = tActn::New(*c.kind, nullptr, &Driver());
    module.PerformActn(*action);
    EXPECT_EQ(module.call, QString());
    EXPECT_EQ(module.ended, QList<tMpMessage>{MpmFailed});
    ASSERT_FALSE(progress.Lines().isEmpty());
    EXPECT_TRUE(progress.Lines().first().endsWith(c.line)) << progress.Lines().first().toStdString();
    EXPECT_FALSE(module.Busy());
  }
}

TEST_F(PerformActn, ATargetTheMachinesDriverLacksFailsAtOnce) {
  auto other = tEcr::New(tEcr::StaticClass());
  module.Machine->SetEcr(std::move(other)); // a driver without programs or reports
  auto action = tActn::New<tActnRpt>(nullptr, nullptr);
  action->AdoptRpt(tEcrFnct::New<tActnTestRptFncl>(nullptr));
  module.PerformActn(*action);
  EXPECT_EQ(module.call, QString());
  EXPECT_EQ(module.ended, QList<tMpMessage>{MpmFailed});
  ASSERT_FALSE(progress.Lines().isEmpty());
  EXPECT_TRUE(progress.Lines().first().endsWith("Report not available for this register: Financial"));
}
