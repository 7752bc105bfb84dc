#include "app/forms/TfrmCommMenu.h"

#include "app/TdmEffector.h"
#include "app/forms/GlyphButtons.h"

#include <QGridLayout>

TfrmCommMenu::TfrmCommMenu(TdmEffector& effector, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TfrmCommMenu"));
  setWindowTitle(QStringLiteral("Communications Menu"));
  auto* layout = new QGridLayout(this);
  TdmEffector* e = &effector;
  const auto call = [e](void (TdmEffector::*operation)()) {
    return [e, operation](QToolButton&) { (e->*operation)(); };
  };
  AddGlyphButtons(*this, *layout,
                  {{"btnPrompted", "Prompted", QStyle::SP_MessageBoxQuestion, call(&TdmEffector::PromptedPoll)},
                   {"btnScript", "Script", QStyle::SP_FileIcon, call(&TdmEffector::PollAScript)},
                   {"btnSchedule", "Schedule", QStyle::SP_FileDialogDetailedView, call(&TdmEffector::PollASchedule)},
                   {"btnSaveAPrg", "Save a Program", QStyle::SP_ArrowDown, call(&TdmEffector::SaveAPrg)},
                   {"BitBtnSavePrgs", "Save Programs", QStyle::SP_ArrowDown, call(&TdmEffector::SaveSelectedPrgs)},
                   {"BitBtnSaveAll", "Save All Programs", QStyle::SP_ArrowDown, call(&TdmEffector::SaveAllPrg)},
                   {"btnSndAPrg", "Send a Program", QStyle::SP_ArrowUp, call(&TdmEffector::SendAPrg)},
                   {"BitBtnSendPrgs", "Send Programs", QStyle::SP_ArrowUp, call(&TdmEffector::SendSelectedPrgs)},
                   {"BitBtnSendAll", "Send All Programs", QStyle::SP_ArrowUp, call(&TdmEffector::SendAllPrg)}},
                  3);
}
