#include "reports/forms/TfmEcrRptOptCrs3000.h"

#include "model/CrsRptParams.h"
#include "model/tEcrRpt.h"
#include "reports/forms/RptOptArrangement.h"
#include "reports/forms/RptOptCrs3000Variant.h"

namespace {
using Kind = RptOptGroup::Kind;
using Extra = RptOptCrs3000Variant::Extra;
namespace P = CrsRptParams;

std::vector<RptOptGroup> Groups(Extra extra) {
  std::vector<RptOptGroup> groups{
      {Kind::Choice,
       "rgpArea",
       "Area to Poll",
       P::kArea,
       {{"rgpArea0", "Daily (Z1 area)"}, {"rgpArea1", "Periodic (Z2 area)"}}},
      {Kind::Choice,
       "rgpPrintAtReg",
       "Register Printing",
       P::kPrint,
       {{"rgpPrintAtReg0", "Do NOT print the report at the register"},
        {"rgpPrintAtReg1", "PRINT the report at the register"}}},
      {Kind::Registers,
       "gbRange",
       "Register Range",
       0,
       {{"WdgNFromReg", "From Register", "lblFromReg", P::kRangeFirst},
        {"WdgNToReg", "To Register", "lblToReg", P::kRangeLast}}},
      {Kind::Choice,
       "rgbRead",
       "Reset Mode",
       P::kResetMode,
       {{"rgbRead0", "Read (X report, Do Not Clear register Data)"},
        {"rgbRead1", "Reset (Z report, Clear register Data)"}}},
  };
  if (extra == Extra::ClockPunches)
    groups.push_back({Kind::Flag, "GroupBox1", "Reports", P::kSubRpts, {{"CheckBox1", "Clock Punches"}}});
  if (extra == Extra::AdditionalReports)
    groups.push_back({Kind::Bits,
                      "GroupBox1",
                      "Additional Reports",
                      P::kSubRpts,
                      {{"cbGroup", "Group", {}, 0, 1},
                       {"cbEatIn", "Eat In", {}, 0, 2},
                       {"cbTakeOut", "Take Out", {}, 0, 4},
                       {"cbtrack1", "Track 1", {}, 0, 8},
                       {"cbTrack2", "Track 2", {}, 0, 16}}});
  return groups;
}
} // namespace

TfmEcrRptOptCrs3000::TfmEcrRptOptCrs3000(tEcrRpt& report, const RptOptCrs3000Variant& variant, QWidget* parent)
    : TfmEcrRptOpt(report, parent), variant_(variant),
      arrangement_(std::make_unique<RptOptArrangement>(this, Options(), Groups(variant.extra))) {
  setObjectName(variant.formClass);
  arrangement_->SetRegisterRange(0, variant.highestRegister);
  for (const QString& name : variant.hidden) arrangement_->SetShown(name, false);
  LoadParams();
}

TfmEcrRptOptCrs3000::~TfmEcrRptOptCrs3000() = default;

void TfmEcrRptOptCrs3000::LoadParams() { arrangement_->Load(Report()); }

void TfmEcrRptOptCrs3000::StoreParams() {
  arrangement_->Store(Report());
  if (variant_.oneRegister) Report().SetIntParam(P::kRangeLast, Report().GetIntParam(P::kRangeFirst));
}
