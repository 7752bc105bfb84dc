#pragma once
// The time period report (code 35): the customers and the sales total of each time period
// of the register's day, one 9-byte record a period (48 a block), numbered from 1. Its
// options choose follow-up reports of the same layout (eat-in, take-out, the order tracks;
// tEcrRptCrs3000TpEatIn and its kin) and the time period by group report; their rows all
// go into this one table, told apart by their polls.
#include "crs3000/Crs3000FormTables.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000TimePeriod : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000TimePeriod)

public:
  explicit tEcrRptCrs3000TimePeriod(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 35; }
  QString GetRptName() const override { return QStringLiteral("Time Period"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000TimePrd"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000TimePrd"); }
  int GetRecsInBlk() const override { return 48; }
  // "tEcrRptCrs3000TimePeriod" with the long table names, else "tEcrRptCrs3000TimePer".
  QString GetTableName() const override;
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  // Consolidation: one line a period, customers and totals summed.
  void SetSQLGroupList() override;
  void SetSQLFieldsList() override;
  void SetSQLSumFieldsList() override;
  // The period captions; the form's title is the report's name.
  QList<Crs3000FormTable> FormTables() const { return Crs3000FormTables::TimeRange(); }
};
