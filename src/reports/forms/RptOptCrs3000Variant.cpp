#include "reports/forms/RptOptCrs3000Variant.h"

namespace {
using Extra = RptOptCrs3000Variant::Extra;
const QString kArea = QStringLiteral("rgpArea");
const QString kPrint = QStringLiteral("rgpPrintAtReg");
const QString kRange = QStringLiteral("gbRange");
const QString kToReg = QStringLiteral("WdgNToReg");
const QString kReports = QStringLiteral("GroupBox1");
} // namespace

const std::vector<RptOptCrs3000Variant>& RptOptCrs3000Variants() {
  static const std::vector<RptOptCrs3000Variant> variants{
      {QStringLiteral("TfmEcrRptOptCrs3000"), {}},
      {QStringLiteral("TfmEcrRptOptCrs3000DayShft"), {kArea}},
      {QStringLiteral("TfmEcrRptOptCrs3000Ej"), {kArea, kPrint, kToReg}, Extra::None, 255, true},
      {QStringLiteral("TfmEcrRptOptCrs3000NonCnsRpts"), {kArea, kPrint, kRange}},
      {QStringLiteral("TfmEcrRptOptCrs3000TimeKpng"), {kArea, kPrint, kRange}, Extra::ClockPunches},
      {QStringLiteral("TfmEcrRptOptCrs3000TimeKpngZ2Z3"), {kArea, kPrint, kRange, kReports}, Extra::ClockPunches},
      {QStringLiteral("TfmEcrRptOptCrs3000TimePrd"), {}, Extra::AdditionalReports, 24},
  };
  return variants;
}

const RptOptCrs3000Variant* FindRptOptCrs3000Variant(const QString& formClass) {
  for (const RptOptCrs3000Variant& variant : RptOptCrs3000Variants())
    if (variant.formClass == formClass) return &variant;
  return nullptr;
}
