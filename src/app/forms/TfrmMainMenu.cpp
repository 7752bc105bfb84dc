#include "app/forms/TfrmMainMenu.h"

#include "app/AppError.h"
#include "app/AppForms.h"
#include "app/DataFolder.h"
#include "app/TMainActivation.h"
#include "app/TMainTimer.h"
#include "app/TdmEffector.h"
#include "app/forms/GlyphButtons.h"
#include "platform/sys/FormRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {
struct MenuEntry {
  const char* caption;
  const char* name;
  std::function<void()> command;
};

void AddEntries(QMenu& menu, const QList<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    QAction* action = menu.addAction(QString::fromUtf8(entry.caption));
    action->setObjectName(QLatin1String(entry.name));
    QObject::connect(action, &QAction::triggered, action, [command = entry.command] { RunGuarded(command); });
  }
}

QMenu& AddMenu(QMenuBar& bar, const char* caption, const QList<MenuEntry>& entries) {
  QMenu& menu = *bar.addMenu(QString::fromUtf8(caption));
  AddEntries(menu, entries);
  return menu;
}
} // namespace

TfrmMainMenu::TfrmMainMenu(TdmEffector& effector, TMainActivation& activation, QWidget* parent)
    : QMainWindow(parent), effector_(effector), activation_(activation) {
  setObjectName(QStringLiteral("TfrmMainMenu"));
  setWindowTitle(QApplication::applicationName());
  RunGuarded([this] { dataFolder_ = OpenDataFolder(); });
  BuildButtons();
  BuildMenus();
  BuildShortcuts();
  timer_ = new TMainTimer(dataFolder_, this);
  timer_->Start();
}

TfrmMainMenu::~TfrmMainMenu() = default;

void TfrmMainMenu::BuildButtons() {
  auto* central = new QWidget(this);
  auto* layout = new QGridLayout(central);
  TdmEffector* e = &effector_;
  AddGlyphButtons(*central, *layout,
                  {{"bbtnComm", "Co&mmunicate", QStyle::SP_BrowserReload, [this](QToolButton&) { OpenCommMenu(); },
                    "Send and Save Information "},
                   {"bbtnData", "&Data", QStyle::SP_FileDialogContentsView, [e](QToolButton&) { e->DoReports(); },
                    "Display and Print Polled Reports"},
                   {"bbtnMaint", "Maintai&n", QStyle::SP_FileDialogDetailedView, [e](QToolButton&) { e->TestFm(); },
                    "Maintain ECR Programs"},
                   {"bbtnSetup", "&Setup", QStyle::SP_FileDialogListView, [this](QToolButton&) { OpenSetupMenu(); }},
                   {"bbtnHelp", "&Help", QStyle::SP_DialogHelpButton, [e](QToolButton&) { e->ShowHelp(); }},
                   {"BBtnClose", "E&xit", QStyle::SP_DialogCloseButton, [this](QToolButton&) { close(); }}},
                  6);
  setCentralWidget(central);
}

void TfrmMainMenu::BuildMenus() {
  TdmEffector* e = &effector_;
  QMenuBar& bar = *menuBar();
  QMenu& communicate = AddMenu(bar, "Co&mmunicate",
                               {{"Prompted", "mnuPrompted", [e] { e->PromptedPoll(); }},
                                {"Scripted", "mnuScripted", [e] { e->PollAScript(); }},
                                {"Scheduled", "mnuScheduled", [e] { e->PollASchedule(); }}});
  AddEntries(*communicate.addMenu(QStringLiteral("Save Programs")),
             {{"A Program", "mnuSaveAPrg", [e] { e->SaveAPrg(); }},
              {"Programs", "mnuSavePrgs", [e] { e->SaveSelectedPrgs(); }},
              {"All Programs", "mnuSaveAll", [e] { e->SaveAllPrg(); }}});
  AddEntries(*communicate.addMenu(QStringLiteral("Send Programs")),
             {{"A Program", "mnuSendAPrg", [e] { e->SendAPrg(); }},
              {"Programs", "mnuSendPrgs", [e] { e->SendSelectedPrgs(); }},
              {"All Programs", "mnuSendAll", [e] { e->SendAllPrg(); }}});
  AddMenu(bar, "&Data",
          {{"Polled Data", "mnuPolledData", [e] { e->DoReports(); }},
           {"Polling Logs", "mnuPollingLogs", [e] { e->ShowLog(); }},
           {"Open Data Directory", "mnuOpenDataDir", [this] { OpenDataDirectory(); }},
           {"History", "mnuHistory", [e] { e->ShowHistory(); }}});
  AddMenu(bar, "Maintai&n", {{"Maintain Programs", "mnuMaintainPrograms", [e] { e->TestFm(); }}});
  AddMenu(bar, "&Setup",
          {{"Schedules", "mnuSchedules", [e] { e->DoSchedMaint(); }},
           {"Scripts", "mnuScripts", [e] { e->ScriptMaint(); }},
           {"Machines", "mnuMachines", [e] { e->DoMachineMaint(); }}});
  AddMenu(bar, "E&xit", {{"Exit Ulvane", "mnuExit", [this] { close(); }}});
  AddMenu(bar, "&Help",
          {{"Contents", "mnuContents", [e] { e->ShowHelp(); }}, {"About", "mnuAbout", [e] { e->ShowAbout(); }}});
}

// The invisible "ShortCuts" menu: its entries only carry keys, each pressing its button.
void TfrmMainMenu::BuildShortcuts() {
  struct Shortcut {
    const char* name;
    const char* key;
    const char* button;
  };
  for (const Shortcut& s : {Shortcut{"scCommunicate", "Ctrl+M", "bbtnComm"}, Shortcut{"scData", "Ctrl+D", "bbtnData"},
                            Shortcut{"scMaintain", "Ctrl+N", "bbtnMaint"}, Shortcut{"scSetup", "Ctrl+S", "bbtnSetup"},
                            Shortcut{"scHelp", "Ctrl+H", "bbtnHelp"}, Shortcut{"scExit", "Ctrl+X", "BBtnClose"}}) {
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(s.name));
    action->setShortcut(QKeySequence(QLatin1String(s.key)));
    auto* button = findChild<QToolButton*>(QLatin1String(s.button));
    connect(action, &QAction::triggered, button, &QToolButton::click);
    addAction(action);
  }
}

void TfrmMainMenu::OpenCommMenu() {
  CommMenuRequest request{effector_};
  FormRegistry::Show(request);
}

void TfrmMainMenu::OpenSetupMenu() {
  SetupMenuRequest request{effector_};
  FormRegistry::Show(request);
  ActivationStep();
}

void TfrmMainMenu::OpenDataDirectory() { QDesktopServices::openUrl(QUrl::fromLocalFile(dataFolder_)); }

void TfrmMainMenu::ActivationStep() {
  RunGuarded([this] { activation_.Activate(); });
}

void TfrmMainMenu::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // Without a window manager the window may never become active: the first activation
  // runs once the window is up either way.
  QTimer::singleShot(0, this, [this] {
    if (!activation_.FirstActivationDone()) ActivationStep();
  });
}

void TfrmMainMenu::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ActivationStep();
}
