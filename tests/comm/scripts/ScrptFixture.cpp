#include "ScrptFixture.h"

#include "comm/actions/tActn.h"
#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "comm/scripts/ScrptList.h"
#include "model/EcrStreamForm.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tScrptTestEcrNext, tEcr)
TB_DEFINE_CLASS(tScrptTestEcrGone, tEcr)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(tScrptTestEcrNext::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  return true;
}();

void StoreMachine(const QString& id, const QString& port) {
  std::unique_ptr<tMachine> machine = ActnDoubles::NewMachine(id);
  machine->CommPort = port;
  ::AddMachine(*machine);
}
} // namespace

const QString ScrptFixture::Com1 = QStringLiteral("Direct to COM1");

ScrptFixture::ScrptFixture() {
  CloseScrptFile();
  StoreMachine(QStringLiteral("Front"), Com1);
  StoreMachine(QStringLiteral("Back"), Com1);
  front = FindMachine(QStringLiteral("Front"));
}

ScrptFixture::~ScrptFixture() { CloseScrptFile(); }

std::unique_ptr<tActn> ScrptFixture::MakeActn(char kind) const {
  switch (kind) {
  case 'S':
  case 'B':
  case 'R': {
    std::unique_ptr<tActnPrg> actn;
    if (kind == 'R') actn = tActn::New<tActnPrgRec>(front.get(), driver.get());
    else actn = tActn::New<tActnPrgSnd>(front.get(), driver.get());
    actn->SetPrg(driver->FindPrgByName(kind == 'B' ? QStringLiteral("Bravo") : QStringLiteral("Alpha")).get());
    return actn;
  }
  default: {
    auto actn = tActn::New<tActnRpt>(front.get(), driver.get());
    actn->SetRpt(driver->FindRptByName(kind == 'L' ? QStringLiteral("PLU") : QStringLiteral("Financial")).get());
    return actn;
  }
  }
}

std::unique_ptr<tScrpt> ScrptFixture::MakeScrpt(const QString& id, const QString& kinds, const TClass* ecrClass) const {
  auto script = std::make_unique<tScrpt>(driver.get());
  if (ecrClass) script->SetEcrClass(*ecrClass);
  script->SetScrptID(id);
  for (QChar kind : kinds) script->AddActn(MakeActn(kind.toLatin1()));
  return script;
}

QStringList ScrptFixture::Titles(const tScrpt& script) {
  QStringList titles;
  for (int i = 1; i <= script.ActnCount(); ++i) titles << script.Actn(i)->DispTitle();
  return titles;
}

QStringList ScrptFixture::StoredIds() {
  QStringList ids;
  ListScrpts(ids, nullptr);
  return ids;
}
