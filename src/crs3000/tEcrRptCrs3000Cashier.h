#pragma once
// The cashier report (code 34): one record of sales, media, tips and drawer totalisers an
// employee, numbered by the employee's number ("Memory Number") and named from the
// register's employee program. This class reads the 763-byte record.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000Cashier : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000Cashier)

public:
  explicit tEcrRptCrs3000Cashier(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 34; }
  QString GetRptName() const override { return QStringLiteral("Cashier"); }
  int GetRecsInBlk() const override { return 2; }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000Cshr"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  QList<TFieldDef> LookUpFields() const override;
  void FillLookUps(TTable& table, int recordNumber) override;

private:
  TEcrNameLookup names_;
};
