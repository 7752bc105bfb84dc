#pragma once
// The PLU report (code 38): one record a PLU memory, in memory order, with the PLU's sales
// amount and count, its promotion and waste counts and three weight totals. The record
// holds no PLU number; its place in the answer is the memory number, and the register's
// PLU program gives the PLU code and descriptor of that memory.
//
// Weights are in the register's own units and may have eleven digits: the columns are
// 64-bit integers.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000PLU : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000PLU)

public:
  explicit tEcrRptCrs3000PLU(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 38; }
  QString GetRptName() const override { return QStringLiteral("PLU"); }
  int GetRecsInBlk() const override { return 50; }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000Plu"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  QList<TFieldDef> LookUpFields() const override; // "PluCode", "Name"
  // The memory's PLU code and descriptor; 0 and "Undefined" when the program has none.
  void FillLookUps(TTable& table, int recordNumber) override;

  // The consolidation of several polls: grouped by PLU, the numbers summed.
  void SetSQLGroupList() override;
  void SetSQLSumFieldsList() override;
  void SetSQLFieldsList() override;

private:
  TEcrNameLookup plus_;
};
