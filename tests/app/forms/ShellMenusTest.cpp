#include "RecordingEffector.h"
#include "Screenshots.h"

#include "app/AppError.h"
#include "app/TWaitMessage.h"
#include "app/forms/AppForms.h"
#include "app/forms/TfmSetup.h"
#include "app/forms/TfrmCommMenu.h"
#include "app/forms/TfrmWaitMessage.h"
#include "platform/sys/Exception.h"
#include "platform/sys/Prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {
struct Press {
  const char* button;
  const char* caption;
  const char* operation;
};

void ExpectButtonsCall(QWidget& menu, RecordingEffector& effector, const QList<Press>& table) {
  EXPECT_EQ(menu.findChildren<QToolButton*>().size(), table.size());
  for (const Press& p : table) {
    SCOPED_TRACE(p.button);
    effector.called.clear();
    auto* button = menu.findChild<QToolButton*>(QLatin1String(p.button));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), p.caption);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(effector.called, QStringList{p.operation});
    EXPECT_TRUE(menu.isVisible()); // the menu stays open
  }
}

// Shows the menu, checks its title, saves its picture and presses every button.
template <class Menu> void ExpectMenu(const char* title, const QString& shot, const QList<Press>& table) {
  RecordingEffector effector;
  Menu menu(effector);
  menu.show();
  EXPECT_EQ(menu.windowTitle(), title);
  SaveShot(menu, shot);
  ExpectButtonsCall(menu, effector, table);
}

TEST(SetupMenuTest, ButtonsCallTheirOperations) {
  ExpectMenu<TfmSetup>("Setup Menu", QStringLiteral("setup-menu"),
                       {{"btnSched", "Schedules", "DoSchedMaint"}, {"btnCal", "Calendar", "EditCalendar"},
                        {"btnMachMaint", "Machines", "DoMachineMaint"}, {"btnFlNames", "Preferences", "DoFileNames"},
                        {"BtnScrpt", "Scripts", "ScriptMaint"}, {"btnExprts", "Exports", "DoExports"}});
}

// Schedules and Calendar let events run: their buttons stay disabled while they run and
// come back also after an error.
TEST(SetupMenuTest, SchedulesAndCalendarDisableThemselvesWhileTheyRun) {
  ScriptedPrompter prompter;
  const ScopedPrompter quiet(prompter);
  RecordingEffector effector;
  TfmSetup menu(effector);
  menu.show();
  for (const char* name : {"btnSched", "btnCal"}) {
    SCOPED_TRACE(name);
    auto* button = menu.findChild<QToolButton*>(QLatin1String(name));
    bool enabledDuring = true;
    effector.during = [&](const QString&) { enabledDuring = button->isEnabled(); };
    effector.failing = effector.called.isEmpty() ? QString() : QStringLiteral("EditCalendar");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(button->isEnabled());
  }
  EXPECT_EQ(prompter.Texts(), QStringList{"This program has generated an error - Table AllPolls is damaged"});
  // Machines does not guard itself.
  auto* machines = menu.findChild<QToolButton*>(QStringLiteral("btnMachMaint"));
  bool enabledDuring = false;
  effector.during = [&](const QString&) { enabledDuring = machines->isEnabled(); };
  QTest::mouseClick(machines, Qt::LeftButton);
  EXPECT_TRUE(enabledDuring);
}

TEST(CommMenuTest, ButtonsCallTheirOperations) {
  ExpectMenu<TfrmCommMenu>("Communications Menu", QStringLiteral("comm-menu"),
                           {{"btnPrompted", "Prompted", "PromptedPoll"}, {"btnScript", "Script", "PollAScript"},
                            {"btnSchedule", "Schedule", "PollASchedule"}, {"btnSaveAPrg", "Save a Program", "SaveAPrg"},
                            {"BitBtnSavePrgs", "Save Programs", "SaveSelectedPrgs"},
                            {"BitBtnSaveAll", "Save All Programs", "SaveAllPrg"},
                            {"btnSndAPrg", "Send a Program", "SendAPrg"},
                            {"BitBtnSendPrgs", "Send Programs", "SendSelectedPrgs"},
                            {"BitBtnSendAll", "Send All Programs", "SendAllPrg"}});
}

QList<TfrmWaitMessage*> WaitWindows() {
  QList<TfrmWaitMessage*> found;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* wait = qobject_cast<TfrmWaitMessage*>(widget)) found << wait;
  return found;
}

TEST(WaitWindowTest, ShowsTheTextWhileTheWorkRunsAndGoesAwayAfterAFailure) {
  RegisterAppForms();
  EXPECT_THROW(
      {
        const TWaitMessage wait{QStringLiteral("Loading Schedules...")};
        const QList<TfrmWaitMessage*> shown = WaitWindows();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0]->isVisible());
        EXPECT_EQ(shown[0]->windowTitle(), "Database Message");
        EXPECT_EQ(shown[0]->size(), QSize(266, 81));
        auto* label = shown[0]->findChild<QLabel*>(QStringLiteral("OpenMessage"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), "Loading Schedules...");
        EXPECT_TRUE(label->wordWrap());
        SaveShot(*shown[0], QStringLiteral("wait-window"));
        throw Exception(QStringLiteral("Sched file damaged"));
      },
      Exception);
  EXPECT_TRUE(WaitWindows().isEmpty());
}

TEST(ErrorHandlerTest, RunGuardedHandsEveryErrorToTheHandler) {
  ScriptedPrompter prompter;
  const ScopedPrompter quiet(prompter);
  RunGuarded([] { throw Exception(QStringLiteral("Disk full")); });
  RunGuarded([] { throw std::runtime_error("bad_alloc"); });
  RunGuarded([] { throw 42; });
  ASSERT_EQ(prompter.shown.size(), 3);
  EXPECT_EQ(prompter.Texts(), (QStringList{"This program has generated an error - Disk full",
                                           "This program has generated an error - bad_alloc",
                                           "This program has generated an error - Unknown error"}));
  EXPECT_EQ(prompter.shown[0].kind, Prompter::Kind::Error);
}
} // namespace
