// The action chooser, with the window replaced by a double that clicks an entry.
#include "ActnFixture.h"

#include "comm/actions/ActnForms.h"
#include "comm/actions/tActnChoice.h"
#include "comm/actions/tActnPrgSnd.h"
#include "model/EcrForms.h"
#include "model/EcrErrors.h"
#include "model/tEcrSelection.h"
#include "platform/sys/FormRegistry.h"

#include <gtest/gtest.h>

namespace {
class ActnSelect : public ActnFixture {
protected:
  ActnSelect() {
    prgs_ = std::make_unique<ScopedForm<PrgSelectRequest>>([this](PrgSelectRequest& r) { return Answer(r.selection); });
    rpts_ = std::make_unique<ScopedForm<RptSelectRequest>>([this](RptSelectRequest& r) { return Answer(r.selection); });
  }

  // The window: clicks the entry (none: closes with Cancel) and closes as the click says.
  ScopedForm<ActnSelectRequest> Chooser(int entry) {
    return ScopedForm<ActnSelectRequest>([this, entry](ActnSelectRequest& request) {
      ++windows;
      titles.clear();
      for (int i = 0; i < request.choice.Count(); ++i) titles << request.choice.Title(i);
      return entry >= 0 && request.choice.Choose(entry) ? ActnForms::FormOk : 0;
    });
  }

  // The selectors pick `pick`, or cancel when it is empty.
  int Answer(tEcrSelection& selection) {
    ++selectors;
    if (pick.isEmpty()) return 0;
    selection.Chosen = QStringList{pick};
    return EcrForms::FormOk;
  }

  QString pick = QStringLiteral("Financial");
  int windows = 0;
  int selectors = 0;
  QStringList titles;

private:
  std::unique_ptr<ScopedForm<PrgSelectRequest>> prgs_;
  std::unique_ptr<ScopedForm<RptSelectRequest>> rpts_;
  ScopedForm<RptOptsRequest> rptOpts_{[](RptOptsRequest&) { return EcrForms::FormOk; }, ActnDoubles::kOptsForm};
  ScopedForm<PrgOptsRequest> prgOpts_{[](PrgOptsRequest&) { return EcrForms::FormOk; }, ActnDoubles::kOptsForm};
};
} // namespace

TEST_F(ActnSelect, TheChosenActionBelongsToTheMachineItWasChosenFor) {
  SetLastActnMachineId(QStringLiteral("Back"));
  const auto window = Chooser(2);
  std::unique_ptr<tActn> action;
  tActn::SelectActn(front.get(), action, *driver);
  EXPECT_EQ(titles, (QStringList{"PROGRAM SEND", "PROGRAM RECEIVE", "REPORT POLL"}));
  ASSERT_TRUE(action);
  EXPECT_EQ(action->DispTitle(), "REPORT POLL - Financial");
  ASSERT_TRUE(action->Machine());
  EXPECT_EQ(action->Machine()->MachineId, "Front");
  EXPECT_EQ(Target(*action)->Owner(), action->Machine()->Ecr());
  EXPECT_EQ(action->EcrClass, &tActnTestEcr::StaticClass());
  EXPECT_EQ(LastActnMachineId(), "Front");
}

TEST_F(ActnSelect, CancellingTheTargetChoiceOrTheWindowGivesNoAction) {
  struct Case {
    int entry;
    QString pick;
  };
  for (const Case& c : {Case{0, QString()}, Case{2, QString()}, Case{-1, QStringLiteral("Alpha")}}) {
    pick = c.pick;
    const auto window = Chooser(c.entry);
    std::unique_ptr<tActn> action;
    tActn::SelectActn(front.get(), action, *driver);
    EXPECT_FALSE(action) << c.entry;
  }
  EXPECT_EQ(windows, 3);
}

TEST_F(ActnSelect, AGivenActionOnlyChoosesItsTargetAgainAndIsDroppedOnCancel) {
  const auto window = Chooser(0);
  std::unique_ptr<tActn> action = MakeActn(tActnRpt::StaticClass(), QStringLiteral("PLU"));
  tActn* const same = action.get();
  tActn::SelectActn(front.get(), action, *driver);
  EXPECT_EQ(action.get(), same);
  EXPECT_EQ(action->DispTitle(), "REPORT POLL - Financial");
  EXPECT_EQ(Target(*action)->Owner(), action->Machine()->Ecr()) << "the new target is the machine's too";
  pick.clear();
  tActn::SelectActn(front.get(), action, *driver);
  EXPECT_FALSE(action);
  EXPECT_EQ(windows, 0);
  EXPECT_EQ(selectors, 2);
}

TEST_F(ActnSelect, AChoiceOutsideItsEntriesIsRefused) {
  tActnChoice choice(QString(), *driver);
  EXPECT_THROW(choice.Choose(3), ERangeError);
  EXPECT_THROW(choice.Title(-1), ERangeError);
}
