#include "MachineFormsFixture.h"

#include "ActnDoubles.h"
#include "app/machines/forms/MachinesForms.h"
#include "model/EcrStreamForm.h"
#include "model/forms/ModelForms.h"
#include "model/tEcrFnct.h"
#include "model/tEcrModelChoice.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tMachTestLeaf, tEcr)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(tMachTestLeaf::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  return true;
}();
} // namespace

void tMachTestLeaf::Create(TObject* owner) {
  tEcr::Create(owner);
  AddPrg(tEcrFnct::New<tActnTestPrgAlpha>(this));
  AddPrg(tEcrFnct::New<tActnTestPrgBravo>(this));
}

MachineFormsFixture::MachineFormsFixture() {
  RegisterModelForms();
  RegisterMachinesForms();
  chooser_ = std::make_unique<ScopedForm<ModelChoiceRequest>>([this](ModelChoiceRequest& request) {
    ++modelChoices;
    if (cancelModelChoice) return 0;
    request.choice.Add(tEcr::New(tMachTestLeaf::StaticClass()), QStringLiteral("Leaf"));
    request.choice.Choose(request.choice.Count() - 1);
    return EcrForms::FormOk;
  });
}

void MachineFormsFixture::WhenShown(std::function<void(QWidget*)> step) {
  QTimer::singleShot(0, [step] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    (void)QTest::qWaitForWindowExposed(modal);
    step(modal);
  });
}

void MachineFormsFixture::Click(QWidget* form, const char* name) {
  auto* button = Find<QPushButton>(form, name);
  if (button) QTest::mouseClick(button, Qt::LeftButton);
}

void MachineFormsFixture::FillRequired(QWidget* form, const QString& id) {
  Edit(form, "edMachineId")->setText(id);
  Edit(form, "edProgramId")->setText(QStringLiteral("Shop1"));
  Edit(form, "edCommPort")->setText(QStringLiteral("Direct to COM2"));
  Find<QComboBox>(form, "cbBaudRate")->setCurrentText(QStringLiteral("9600"));
}

void MachineFormsFixture::ShowActive(QWidget& form) {
  form.show();
  form.activateWindow();
  (void)QTest::qWaitForWindowActive(&form);
}
