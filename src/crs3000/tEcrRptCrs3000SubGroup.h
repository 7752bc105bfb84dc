#pragma once
// The sub group report (code 41): one record a sub group, in group order, with its sales
// amount, sales count and weight total, named from the register's sub group program.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000SubGroup : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000SubGroup)

public:
  explicit tEcrRptCrs3000SubGroup(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 41; }
  QString GetRptName() const override { return QStringLiteral("Sub Group Report"); }
  int GetRecsInBlk() const override { return 99; }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000SubGrp"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  QList<TFieldDef> LookUpFields() const override; // "Name"
  void FillLookUps(TTable& table, int recordNumber) override;

  // The record of the major and sub group reports: total, count, weight.
  static const EcrLayout& GroupLayout();

private:
  TEcrNameLookup names_;
};
