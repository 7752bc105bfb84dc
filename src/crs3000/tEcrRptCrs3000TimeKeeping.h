#pragma once
// The time keeping report (code 81): for each employee memory of the register (40 a
// block, numbered from 1) the employee's tips and four job entries, each a job code,
// regular hours and overtime hours. Each job entry is a row (so four rows an employee, in
// entry order as "Sequence"); the tips go on the first entry's row, the others hold 0.
// Names come from the employee program, job names from the job-code program of the
// register's ROM. The Z2 and Z3 time keeping reports (tEcrRptCrs3000TimeKeepingZ2/Z3)
// share all of it but code and name.
//
// A record is 49 bytes: tips (5 bytes, signed, hundredths), then the four 11-byte entries.
#include "crs3000/Crs3000FormTables.h"
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000TimeKeeping : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000TimeKeeping)

public:
  explicit tEcrRptCrs3000TimeKeeping(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 81; }
  QString GetRptName() const override { return QStringLiteral("Time Keeping"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000TimeKpng"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000TimeKpng"); }
  // "tEcrRptCrs3000TimeKeeping" with the long table names, else "tEcrRptCrs3000TimeKeep".
  QString GetTableName() const override;
  int GetPrgRecSize() const override { return 49; }
  int GetRecsInBlk() const override { return 40; }
  std::optional<TTableDef> DescribeTable() const override;
  // Every record of the block as four entry rows; the record size check as the base's.
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;
  // One job entry (entryIndex counts entries in the block): at the record's start for a
  // first entry, which reads the tips first, else at the entry's start.
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int entryIndex, int& position) override;

  // The programs the form shows: pay rates, employees and time-and-attendance settings,
  // of the 3.04 kind on ROMs 3.04 and 3.05.
  QList<Crs3000FormTable> FormTables() const;
  static QList<Crs3000FormTable> FormTables(const QString& romName);

private:
  TEcrNameLookup employees_;
  TEcrNameLookup jobs_;
};

class tEcrRptCrs3000TimeKeepingZ2 : public tEcrRptCrs3000TimeKeeping {
  TB_OBJECT(tEcrRptCrs3000TimeKeepingZ2)

public:
  explicit tEcrRptCrs3000TimeKeepingZ2(TBlank blank) : tEcrRptCrs3000TimeKeeping(blank) {}
  int GetRptCode() const override { return 82; }
  QString GetRptName() const override { return QStringLiteral("Time Keeping Z2"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000TimeKpngZ2Z3"); }
};

class tEcrRptCrs3000TimeKeepingZ3 : public tEcrRptCrs3000TimeKeepingZ2 {
  TB_OBJECT(tEcrRptCrs3000TimeKeepingZ3)

public:
  explicit tEcrRptCrs3000TimeKeepingZ3(TBlank blank) : tEcrRptCrs3000TimeKeepingZ2(blank) {}
  int GetRptCode() const override { return 83; }
  QString GetRptName() const override { return QStringLiteral("Time Keeping Z3"); }
};
