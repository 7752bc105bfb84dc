#pragma once
// The clock punches report: four punch slots for each of the register's employees, in
// employee order (80 employees to a full block), each slot a start and a stop time, a
// break flag and a job code. A row is keyed by employee, job code and the slot's place
// among the employee's four; the employee's name and the job's descriptor come from the
// driver's employee and job-code programs. No ROM list offers the report: the time-keeping
// poll reads it as its follow-up.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000ClkPnchs : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000ClkPnchs)

public:
  explicit tEcrRptCrs3000ClkPnchs(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 80; }
  QString GetRptName() const override { return QStringLiteral("Clock Punches"); }
  int GetRecsInBlk() const override { return 320; }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000ClrkPnchs"); }
  const EcrLayout* RecordLayout() const override;

  // "Employee No", "Sequence", "Name" and "Job Name".
  QList<TFieldDef> LookUpFields() const override;
  // The employee and the slot from the record's number, and the employee's name.
  void FillLookUps(TTable& table, int recordNumber) override;
  QStringList KeyFields() const override; // Poll Id, Employee No, Job Code, Sequence
  // The base's table with "Job Code" moved up behind "Employee No".
  std::optional<TTableDef> DescribeTable() const override;
  // The base's decode, then the job's descriptor by the decoded job code.
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;

  // The class of the job-code program of a register with that ROM text: ROMs 3.04 and
  // 3.05 have a job-code table of their own.
  static QString JobCodesClass(const QString& romName);

private:
  TEcrNameLookup employees_;
  TEcrNameLookup jobs_;
};
