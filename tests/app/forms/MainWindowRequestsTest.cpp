#include "JobsFixture.h"

#include "app/TMainActivation.h"
#include "app/TdmEffector.h"
#include "app/forms/AppForms.h"
#include "app/forms/TfrmMainMenu.h"
#include "app/setup/SetupForms.h"
#include "comm/session/CommLogForms.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"
#include "reports/RptForms.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
// The whole road from a control of the main window, through the real dispatcher and the
// real menus, to the request of the window it names.
class MainWindowRequestsTest : public JobsFixture {
protected:
  MainWindowRequestsTest() { RegisterAppForms(); }

  template <class R>
  ScopedForm<R> Record() {
    return ScopedForm<R>([this](R&) {
      opened << QString::fromLatin1(R::kForm);
      return 0;
    });
  }
  // Presses a button of the modal menu that the next step opens, then closes the menu.
  void PressInModalMenu(const char* button) {
    QTimer::singleShot(0, [button] {
      auto* menu = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!menu) return;
      if (auto* b = menu->findChild<QToolButton*>(QLatin1String(button))) b->click();
      menu->reject();
    });
  }

  QStringList opened;
  TdmEffector effector;
  TMainActivation activation;
  TfrmMainMenu window{effector, activation};
};

TEST_F(MainWindowRequestsTest, ControlsReachTheRequestsOfTheirWindows) {
  const auto polls = Record<AllPollsRequest>();
  const auto about = Record<AboutRequest>();
  const auto log = Record<ViewCommLogRequest>();
  const auto list = Record<MachineListRequest>();
  QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("bbtnData")), Qt::LeftButton);
  window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
  window.findChild<QAction*>(QStringLiteral("mnuPollingLogs"))->trigger();
  window.findChild<QAction*>(QStringLiteral("mnuMachines"))->trigger();
  EXPECT_EQ(opened, (QStringList{"TfrmAllPolls", "TAboutBox", "TfrmViewComLog", "TfmMachSelct"}));
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(MainWindowRequestsTest, TheSetupMenuOpensPreferencesAndMachines) {
  const auto prefs = Record<PreferencesRequest>();
  const auto list = Record<MachineListRequest>();
  window.show();
  PressInModalMenu("btnFlNames");
  QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("bbtnSetup")), Qt::LeftButton);
  PressInModalMenu("btnMachMaint");
  QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("bbtnSetup")), Qt::LeftButton);
  EXPECT_EQ(opened, (QStringList{"TfrmFiles", "TfmMachSelct"}));
}

TEST_F(MainWindowRequestsTest, TheCommunicationsMenuStartsAPromptedPollWithTheMachineChoice) {
  const auto list = Record<MachineListRequest>();
  window.show();
  PressInModalMenu("btnPrompted");
  QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("bbtnComm")), Qt::LeftButton);
  EXPECT_EQ(opened, QStringList{"TfmMachSelct"});
}
} // namespace
