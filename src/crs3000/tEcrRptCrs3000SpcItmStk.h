#pragma once
// The special item stock report (code 61): one stock count a special item, in item
// order. The special item stock program ties each item to a PLU memory; the row keeps
// that PLU's number and its descriptor from the PLU program.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000SpcItmStk : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000SpcItmStk)

public:
  explicit tEcrRptCrs3000SpcItmStk(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 61; }
  QString GetRptName() const override { return QStringLiteral("Special Item Stock"); }
  int GetRecsInBlk() const override { return 255; }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000NonCnsRpts"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000SplItmStk"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  QList<TFieldDef> LookUpFields() const override; // "PLU Number", "Descriptor"
  // The item's PLU (0 when the stock program lacks the item) and that PLU's descriptor
  // ("Undefined" when the PLU program lacks it).
  void FillLookUps(TTable& table, int recordNumber) override;

private:
  TEcrNameLookup stock_;
  TEcrNameLookup plus_;
};
