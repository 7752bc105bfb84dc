#pragma once
// The major group report (code 42): one record a major group, in group order, with its
// sales amount, sales count and weight total, named from the register's major group
// program. Two settings switch it: "Vexlo" chooses the table's name (read at every call,
// so a poll after a change goes to the other table and the rows stored before stay
// where they are), and "Drommet" adds the group's "Percent" from the program (a table
// made without it gets the column, its rows kept) and chooses the alternate form. A save
// reads "Drommet" once, with the poll header, so that its rows agree with its table.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000MajorGroup : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000MajorGroup)

public:
  explicit tEcrRptCrs3000MajorGroup(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 42; }
  QString GetRptName() const override { return QStringLiteral("Major Group"); }
  int GetRecsInBlk() const override { return 20; }
  // "tEcrRptCrs3000MajGroup", or "tEcrRptCrs3000MajorGroup" with "Vexlo" on.
  QString GetTableName() const override;
  // "TQrEcrRptCrs3000MjrGrp", or "TQrEcrRptCrs3000MjrGrp2" with "Drommet" on.
  QString ReportFormClass() const override;
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  QList<TFieldDef> LookUpFields() const override; // "Name"
  // The base's table, and "Percent" last with "Drommet" on.
  std::optional<TTableDef> DescribeTable() const override;
  // The name, and in percent mode the percent (0 for a group the program lacks).
  void FillLookUps(TTable& table, int recordNumber) override;
  // Reads "Drommet" at the poll header, then the base's.
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;

  static bool PercentMode();
  static bool LongTableName();

private:
  TEcrNameLookup names_;
  bool percentMode_ = false;
};
