#include "JobsFixture.h"
#include "RecordingEffector.h"
#include "Screenshots.h"

#include "app/AppForms.h"
#include "app/TMainActivation.h"
#include "app/TMainTimer.h"
#include "app/forms/TBoxPrompter.h"
#include "app/forms/TfrmMainMenu.h"
#include "platform/sys/FormRegistry.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {
class MainMenuTest : public JobsFixture {
protected:
  MainMenuTest() {
    activation.SetNoticeSink([this](const QString& notice) { events << notice; });
    window = std::make_unique<TfrmMainMenu>(effector, activation);
  }
  ~MainMenuTest() override { window.reset(); }

  void ShowAndSettle() {
    window->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  QToolButton* Button(const char* name) { return window->findChild<QToolButton*>(QLatin1String(name)); }
  QAction* Action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }

  QStringList events;
  RecordingEffector effector;
  TMainActivation activation;
  ScopedForm<SetupMenuRequest> setup{[this](SetupMenuRequest&) {
    events << QStringLiteral("Setup Menu");
    return 0;
  }};
  ScopedForm<CommMenuRequest> comm{[this](CommMenuRequest&) {
    events << QStringLiteral("Communications Menu");
    return 0;
  }};
  std::unique_ptr<TfrmMainMenu> window;
};

struct Opens {
  const char* control;
  const char* caption;
  const char* operation; // the dispatcher operation called, or the window opened
};

TEST_F(MainMenuTest, ButtonsOpenWhatTheyName) {
  ShowAndSettle();
  SaveShot(*window, QStringLiteral("main-window"));
  for (const Opens& o : {Opens{"bbtnComm", "Co&mmunicate", "Communications Menu"}, Opens{"bbtnData", "&Data", "DoReports"},
                         Opens{"bbtnMaint", "Maintai&n", "TestFm"}, Opens{"bbtnSetup", "&Setup", "Setup Menu"},
                         Opens{"bbtnHelp", "&Help", "ShowHelp"}}) {
    SCOPED_TRACE(o.control);
    events.clear();
    effector.called.clear();
    QToolButton* button = Button(o.control);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), o.caption);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(effector.called + events.filter(QStringLiteral("Menu")), QStringList{o.operation});
  }
  EXPECT_EQ(Button("bbtnComm")->toolTip(), "Send and Save Information ");
  EXPECT_EQ(Button("bbtnData")->toolTip(), "Display and Print Polled Reports");
  EXPECT_EQ(Button("bbtnMaint")->toolTip(), "Maintain ECR Programs");
}

TEST_F(MainMenuTest, MenuEntriesOpenWhatTheyName) {
  const Opens table[] = {
      {"mnuPrompted", "Prompted", "PromptedPoll"},        {"mnuScripted", "Scripted", "PollAScript"},
      {"mnuScheduled", "Scheduled", "PollASchedule"},     {"mnuSaveAPrg", "A Program", "SaveAPrg"},
      {"mnuSavePrgs", "Programs", "SaveSelectedPrgs"},    {"mnuSaveAll", "All Programs", "SaveAllPrg"},
      {"mnuSendAPrg", "A Program", "SendAPrg"},           {"mnuSendPrgs", "Programs", "SendSelectedPrgs"},
      {"mnuSendAll", "All Programs", "SendAllPrg"},       {"mnuPolledData", "Polled Data", "DoReports"},
      {"mnuPollingLogs", "Polling Logs", "ShowLog"},      {"mnuHistory", "History", "ShowHistory"},
      {"mnuMaintainPrograms", "Maintain Programs", "TestFm"}, {"mnuSchedules", "Schedules", "DoSchedMaint"},
      {"mnuScripts", "Scripts", "ScriptMaint"},           {"mnuMachines", "Machines", "DoMachineMaint"},
      {"mnuContents", "Contents", "ShowHelp"},            {"mnuAbout", "About", "ShowAbout"}};
  for (const Opens& o : table) {
    SCOPED_TRACE(o.control);
    effector.called.clear();
    QAction* action = Action(o.control);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), o.caption);
    action->trigger();
    EXPECT_EQ(effector.called, QStringList{o.operation});
  }
  QStringList titles;
  for (QAction* menu : window->menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, (QStringList{"Co&mmunicate", "&Data", "Maintai&n", "&Setup", "E&xit", "&Help"}));
  // The programs' sub-menus sit under Communicate.
  QMenu* communicate = window->menuBar()->actions().first()->menu();
  QStringList entries;
  for (QAction* entry : communicate->actions()) entries << entry->text();
  EXPECT_EQ(entries, (QStringList{"Prompted", "Scripted", "Scheduled", "Save Programs", "Send Programs"}));
}

TEST_F(MainMenuTest, InvisibleShortcutsPressTheirButtons) {
  ShowAndSettle();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  struct Key {
    Qt::Key key;
    const char* opens;
  };
  for (const Key k : {Key{Qt::Key_M, "Communications Menu"}, Key{Qt::Key_D, "DoReports"}, Key{Qt::Key_N, "TestFm"},
                      Key{Qt::Key_S, "Setup Menu"}, Key{Qt::Key_H, "ShowHelp"}}) {
    SCOPED_TRACE(k.opens);
    events.clear();
    effector.called.clear();
    QTest::keyClick(window.get(), k.key, Qt::ControlModifier);
    EXPECT_EQ(effector.called + events.filter(QStringLiteral("Menu")), QStringList{k.opens});
  }
  QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainMenuTest, ExitButtonAndExitEntryCloseTheWindow) {
  ShowAndSettle();
  QTest::mouseClick(Button("BBtnClose"), Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
  ShowAndSettle();
  ASSERT_EQ(Action("mnuExit")->text(), "Exit Ulvane");
  Action("mnuExit")->trigger();
  EXPECT_FALSE(window->isVisible());
}

// Receives the URL that "Open Data Directory" hands to the desktop.
class UrlCatcher : public QObject {
  Q_OBJECT
public:
  QList<QUrl> urls;
public Q_SLOTS:
  void Open(const QUrl& url) { urls << url; }
};

TEST_F(MainMenuTest, OpenDataDirectoryShowsTheDataFolder) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
  Action("mnuOpenDataDir")->trigger();
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  ASSERT_EQ(catcher.urls.size(), 1);
  EXPECT_EQ(catcher.urls[0].toLocalFile(), window->DataFolder());
  EXPECT_EQ(window->DataFolder(), dir.path() + QStringLiteral("/data/"));
}

TEST_F(MainMenuTest, FirstShowingRunsTheFirstActivationAndTheSetupMenuRunsTheStepAgain) {
  EXPECT_FALSE(HistoryExists());
  ShowAndSettle();
  EXPECT_TRUE(activation.FirstActivationDone());
  EXPECT_TRUE(HistoryExists());
  ASSERT_FALSE(events.isEmpty());
  EXPECT_EQ(events.last(), "VoderodAzuOpen");
  events.clear();
  QTest::mouseClick(Button("bbtnSetup"), Qt::LeftButton);
  EXPECT_EQ(events, (QStringList{"Setup Menu", "VoderodAzuOpen"}));
  events.clear();
  QTest::mouseClick(Button("bbtnComm"), Qt::LeftButton);
  EXPECT_EQ(events, QStringList{"Communications Menu"});
}

TEST_F(MainMenuTest, MainTimerStartsWithTheWindow) {
  ASSERT_NE(window->MainTimer(), nullptr);
  EXPECT_TRUE(window->MainTimer()->IsActive());
  EXPECT_EQ(window->MainTimer()->Interval(), 1000);
}

// An error of a command shows the error handler's box, and the program goes on.
TEST_F(MainMenuTest, AnErrorOfACommandShowsTheErrorBox) {
  TBoxPrompter boxes;
  const ScopedPrompter real(boxes);
  ShowAndSettle();
  effector.failing = QStringLiteral("DoReports");
  QString text;
  QString title;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    text = box->text();
    title = box->windowTitle();
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    SaveShot(*box, QStringLiteral("error-box"));
    box->button(QMessageBox::Ok)->click();
  });
  QTest::mouseClick(Button("bbtnData"), Qt::LeftButton);
  EXPECT_EQ(text, "This program has generated an error - Table AllPolls is damaged");
  EXPECT_FALSE(title.isEmpty());
  effector.called.clear();
  QTest::mouseClick(Button("bbtnMaint"), Qt::LeftButton);
  EXPECT_EQ(effector.called, QStringList{"TestFm"});
}
} // namespace

#include "TfrmMainMenuTest.moc"
