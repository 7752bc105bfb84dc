#include "app/forms/TfmSetup.h"

#include "app/TdmEffector.h"
#include "app/forms/GlyphButtons.h"
#include "platform/sys/ScopeGuard.h"

#include <QGridLayout>
#include <QToolButton>

namespace {
// Commands that let events run are kept from starting twice: the button is disabled
// while its command runs.
std::function<void(QToolButton&)> Disabling(std::function<void()> command) {
  return [command = std::move(command)](QToolButton& button) {
    button.setEnabled(false);
    const auto enable = OnScopeExit([&button] { button.setEnabled(true); });
    command();
  };
}

std::function<void(QToolButton&)> Plain(std::function<void()> command) {
  return [command = std::move(command)](QToolButton&) { command(); };
}
} // namespace

TfmSetup::TfmSetup(TdmEffector& effector, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TfmSetup"));
  setWindowTitle(QStringLiteral("Setup Menu"));
  auto* layout = new QGridLayout(this);
  TdmEffector* e = &effector;
  AddGlyphButtons(*this, *layout,
                  {{"btnSched", "Schedules", QStyle::SP_FileDialogDetailedView, Disabling([e] { e->DoSchedMaint(); })},
                   {"btnCal", "Calendar", QStyle::SP_FileDialogContentsView, Disabling([e] { e->EditCalendar(); })},
                   {"btnMachMaint", "Machines", QStyle::SP_DirIcon, Plain([e] { e->DoMachineMaint(); })},
                   {"btnFlNames", "Preferences", QStyle::SP_FileDialogInfoView, Plain([e] { e->DoFileNames(); })},
                   {"BtnScrpt", "Scripts", QStyle::SP_FileIcon, Plain([e] { e->ScriptMaint(); })},
                   {"btnExprts", "Exports", QStyle::SP_DialogSaveButton, Plain([e] { e->DoExports(); })}},
                  3);
}
