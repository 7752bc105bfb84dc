// The action chooser window.
#include "ActnDoubles.h"

#include "comm/actions/ActnForms.h"
#include "comm/actions/tActn.h"
#include "comm/actions/tActnChoice.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "comm/actions/forms/ActionsForms.h"
#include "comm/actions/forms/TfmActnSelect.h"
#include "model/EcrForms.h"
#include "model/tEcrSelection.h"
#include "platform/sys/FormRegistry.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class ActnSelectForm : public testing::Test {
protected:
  ActnSelectForm() { RegisterActionsForms(); }
  ~ActnSelectForm() override { FormRegistry::Unregister<ActnSelectRequest>(); }

  // The selectors pick the name, or cancel when it is empty; the options are accepted.
  void Selectors(const QString& pick) {
    auto answer = [pick](tEcrSelection& selection) {
      if (pick.isEmpty()) return 0;
      selection.Chosen = QStringList{pick};
      return EcrForms::FormOk;
    };
    prgs_ = std::make_unique<ScopedForm<PrgSelectRequest>>([=](PrgSelectRequest& r) { return answer(r.selection); });
    rpts_ = std::make_unique<ScopedForm<RptSelectRequest>>([=](RptSelectRequest& r) { return answer(r.selection); });
  }

  std::unique_ptr<tEcr> driver = ActnDoubles::NewDriver();
  ScopedForm<PrgOptsRequest> prgOpts{[](PrgOptsRequest&) { return EcrForms::FormOk; }, ActnDoubles::kOptsForm};
  ScopedForm<RptOptsRequest> rptOpts{[](RptOptsRequest&) { return EcrForms::FormOk; }, ActnDoubles::kOptsForm};

private:
  std::unique_ptr<ScopedForm<PrgSelectRequest>> prgs_;
  std::unique_ptr<ScopedForm<RptSelectRequest>> rpts_;
};

// Clicks the entry of the chooser once it shows; an empty text presses Cancel instead.
void ClickWhenShown(const QString& entry) {
  QTimer::singleShot(0, [entry] {
    auto* form = qobject_cast<TfmActnSelect*>(QApplication::activeModalWidget());
    if (!form) return ClickWhenShown(entry);
    if (entry.isEmpty())
      return QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnCancel")), Qt::LeftButton);
    auto* list = form->findChild<QListWidget*>(QStringLiteral("lbActn"));
    const QList<QListWidgetItem*> items = list->findItems(entry, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
  });
}
} // namespace

TEST_F(ActnSelectForm, ListsTheThreeKindsByTitleInOrder) {
  tActnChoice choice(QString(), *driver);
  TfmActnSelect form(choice);
  EXPECT_EQ(form.windowTitle(), "Select Action");
  auto* list = form.findChild<QListWidget*>(QStringLiteral("lbActn"));
  ASSERT_NE(list, nullptr);
  QStringList titles;
  for (int i = 0; i < list->count(); ++i) titles << list->item(i)->text();
  EXPECT_EQ(titles, (QStringList{"PROGRAM SEND", "PROGRAM RECEIVE", "REPORT POLL"}));
  if (qEnvironmentVariableIsSet("TB_SCREENSHOT")) form.grab().save(qEnvironmentVariable("TB_SCREENSHOT"));
}

TEST_F(ActnSelectForm, AClickWithATargetChosenGivesThatAction) {
  Selectors(QStringLiteral("Financial"));
  std::unique_ptr<tActn> action;
  ClickWhenShown(QStringLiteral("REPORT POLL"));
  tActn::SelectActn(nullptr, action, *driver);
  ASSERT_TRUE(action);
  EXPECT_EQ(action->ClassName(), "tActnRpt");
  EXPECT_EQ(action->DispTitle(), "REPORT POLL - Financial");
}

TEST_F(ActnSelectForm, CancellingTheTargetChoiceClosesTheChooserWithNoAction) {
  Selectors(QString());
  std::unique_ptr<tActn> action;
  ClickWhenShown(QStringLiteral("PROGRAM SEND"));
  tActn::SelectActn(nullptr, action, *driver);
  EXPECT_FALSE(action);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ActnSelectForm, CancelGivesNoAction) {
  Selectors(QStringLiteral("Alpha"));
  std::unique_ptr<tActn> action;
  ClickWhenShown(QString());
  tActn::SelectActn(nullptr, action, *driver);
  EXPECT_FALSE(action);
}
