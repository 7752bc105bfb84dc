#pragma once
// The sales and labour report (code 45): for each time period of the register's day (48
// records a block, numbered from 1) the customers, the sales total, the labour hours and
// the labour cost. The register keeps labour hours in thousandths, 100 hours above the
// hours worked; a period without labour holds 0.
#include "crs3000/Crs3000FormTables.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000SalesLabor : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000SalesLabor)

public:
  explicit tEcrRptCrs3000SalesLabor(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 45; }
  QString GetRptName() const override { return QStringLiteral("Sales And Labor"); }
  QString GetTableName() const override { return QStringLiteral("tEcrRptCrs3000SalesLab"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000SlsLbr"); }
  int GetRecsInBlk() const override { return 48; }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  // The layout's table with "Labor Hours" in its place before "Labor Cost".
  std::optional<TTableDef> DescribeTable() const override;
  // The layout's columns, then "Labor Hours" from its bytes.
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;
  QList<Crs3000FormTable> FormTables() const { return Crs3000FormTables::TimeRange(); }

  // Labour hours from the register's unsigned thousandths: 100 less when above zero.
  static double LaborHours(qint64 thousandths);
};
