#include "comm/actions/tActnRpt.h"

#include "comm/actions/ActnTarget.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tActnRpt, tActn)

namespace {
const struct Registration {
  Registration() {
    RegisterStreamable(tActnRpt::StaticClass(), {&tActnRpt::ReadRptActn}, {&tActnRpt::WriteRptActn});
  }
} registration;
} // namespace

tActnRpt::tActnRpt(TBlank blank) : tActn(blank) {}
tActnRpt::~tActnRpt() = default;

void tActnRpt::Create(const tMachine* machine, const tEcr* driver) {
  tActn::Create(machine, driver);
  rpt_.reset();
}

void tActnRpt::SetRpt(const tEcrRpt* rpt) { AdoptRpt(ActnTarget::Copy(rpt)); }

void tActnRpt::AdoptRpt(std::unique_ptr<tEcrRpt> rpt) {
  rpt_ = std::move(rpt);
  ActnTarget::MoveToMachine(rpt_.get(), Machine());
}

QString tActnRpt::GetTitle() const { return QStringLiteral("REPORT POLL"); }
QString tActnRpt::GetSubTitle() const { return rpt_ ? rpt_->GetRptName() : QString(); }

bool tActnRpt::SelectTarget(const tEcr& driver) {
  rpt_ = driver.SelectARpt();
  ActnTarget::MoveToMachine(rpt_.get(), Machine());
  return rpt_ && rpt_->MntRptOpts();
}

bool tActnRpt::TargetAttached() const { return rpt_ && rpt_->Owner(); }

bool tActnRpt::EditActn() { return rpt_ && rpt_->MntRptOpts(); }

void tActnRpt::ReadRptActn(TObject& obj, TObjectReader& reader) {
  auto& actn = static_cast<tActnRpt&>(obj);
  ReadActn(actn, reader);
  actn.rpt_ = ActnTarget::Read<tEcrRpt>(reader);
  ActnTarget::MoveToMachine(actn.rpt_.get(), actn.Machine());
}

void tActnRpt::WriteRptActn(const TObject& obj, TObjectWriter& writer) {
  const auto& actn = static_cast<const tActnRpt&>(obj);
  WriteActn(actn, writer);
  WriteStreamedObject(writer, actn.rpt_.get());
}
