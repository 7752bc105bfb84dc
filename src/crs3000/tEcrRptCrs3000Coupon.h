#pragma once
// The coupon report (code 44): one totaliser a coupon the register knows, how often it was
// used and the money it gave, named from the register's coupon program.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000Coupon : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000Coupon)

public:
  explicit tEcrRptCrs3000Coupon(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 44; }
  QString GetRptName() const override { return QStringLiteral("Coupon"); }
  int GetRecsInBlk() const override { return 180; }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000Cpn"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  QList<TFieldDef> LookUpFields() const override;
  void FillLookUps(TTable& table, int recordNumber) override;

  // The class of the coupon program that names the coupons of a register of that ROM:
  // three ROM versions keep the older coupon table.
  static QString NameProgramClass(const QString& romName);

private:
  TEcrNameLookup names_;
};
