#include "comm/actions/tActnPrg.h"

#include "comm/actions/ActnTarget.h"
#include "model/tEcrPrg.h"
#include "platform/sys/Prompter.h"

tActnPrg::tActnPrg(TBlank blank) : tActn(blank) {}
tActnPrg::~tActnPrg() = default;

void tActnPrg::Create(const tMachine* machine, const tEcr* driver) {
  tActn::Create(machine, driver);
  prg_.reset();
}

void tActnPrg::SetPrg(const tEcrPrg* prg) { AdoptPrg(ActnTarget::Copy(prg)); }

void tActnPrg::AdoptPrg(std::unique_ptr<tEcrPrg> prg) {
  prg_ = std::move(prg);
  ActnTarget::MoveToMachine(prg_.get(), Machine());
}

QString tActnPrg::GetSubTitle() const { return prg_ ? prg_->GetPrgName() : QString(); }

bool tActnPrg::SelectTarget(const tEcr& driver) {
  prg_ = driver.SelectAPrg(SelectMode());
  ActnTarget::MoveToMachine(prg_.get(), Machine());
  return prg_ && prg_->MntPrgOpts();
}

bool tActnPrg::TargetAttached() const { return prg_ && prg_->Owner(); }

bool tActnPrg::EditActn() { return prg_ && prg_->MntPrgOpts(); }

void tActnPrg::ReadPrgActn(TObject& obj, TObjectReader& reader) {
  auto& actn = static_cast<tActnPrg&>(obj);
  ReadActn(actn, reader);
  actn.prg_ = ActnTarget::Read<tEcrPrg>(reader);
  ActnTarget::MoveToMachine(actn.prg_.get(), actn.Machine());
}

void tActnPrg::WritePrgActn(const TObject& obj, TObjectWriter& writer) {
  const auto& actn = static_cast<const tActnPrg&>(obj);
  WriteActn(actn, writer);
  try {
    WriteStreamedObject(writer, actn.prg_.get());
  } catch (const Exception&) {
    // The failed object left nothing behind; none in its place keeps the stream readable.
    Prompter::ShowMessage(actn.WriteFailedText(), Prompter::Kind::Error);
    WriteStreamedObject(writer, nullptr);
  }
}
