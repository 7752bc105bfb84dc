#include "model/tEcrPrgMaint.h"

#include "model/EcrForms.h"
#include "model/tEcrPrg.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"

tEcrPrgMaint::tEcrPrgMaint(tEcrPrg& program, TTable& table, QString formClass)
    : program_(program), table_(table), formClass_(std::move(formClass)) {}

void tEcrPrgMaint::ShowForm() {
  if (formClass_.isEmpty()) {
    Prompter::ShowMessage(QStringLiteral("Not Implemented"));
    return;
  }
  PrgMaintRequest request{program_, program_.GetPrgName()};
  FormRegistry::Show(request, formClass_);
}
