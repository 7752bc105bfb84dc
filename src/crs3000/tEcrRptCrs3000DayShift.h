#pragma once
// The day/shift report (code 60): one record a day/shift total the register keeps, with
// the cashier report's record, numbered by its place in the answer ("Day Shift Id") and
// named from the register's employee program by that number. This class reads the
// 763-byte record.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000DayShift : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000DayShift)

public:
  explicit tEcrRptCrs3000DayShift(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 60; }
  QString GetRptName() const override { return QStringLiteral("Day Shift"); }
  int GetRecsInBlk() const override { return 2; }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000DayShift"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000DayShft"); }
  const EcrLayout* RecordLayout() const override;
  // The record's number is the "Day Shift Id" column, declared and filled with the name,
  // in place of the base's "Memory Number".
  QList<TFieldDef> LookUpFields() const override;
  void FillLookUps(TTable& table, int recordNumber) override;
  QStringList KeyFields() const override;

private:
  TEcrNameLookup names_;
};
