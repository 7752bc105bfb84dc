#pragma once
// The inventory report (code 47): one record an inventory item, in item order, with seven
// quantities. Each row also carries five attributes of the item from the register's
// inventory item program (descriptor, factor, unit, cost and recipe unit), or fixed
// defaults for an item the program lacks ("Undefined", 1, "UNDF", 0, "UNDF").
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000Invt : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000Invt)

public:
  explicit tEcrRptCrs3000Invt(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 47; }
  QString GetRptName() const override { return QStringLiteral("Inventory"); }
  int GetRecsInBlk() const override { return 50; }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000NonCnsRpts"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000Invt"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  // "Descriptor", "FCTR", "Unit Desc", "Cost", "Recipe Unit".
  QList<TFieldDef> LookUpFields() const override;
  // The base's table with the item's attributes other than its descriptor moved behind
  // the quantities.
  std::optional<TTableDef> DescribeTable() const override;
  void FillLookUps(TTable& table, int recordNumber) override;

private:
  TEcrNameLookup items_;
};
