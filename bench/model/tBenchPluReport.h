#pragma once
// The report the save benchmarks decode, written as a layout as the register's plain reports
// are: a 20-byte record of an item's total (6 bytes), count (5) and name (9), rows numbered
// across blocks.
#include "crs3000/tEcrRptCrs3000.h"

class tBenchPluReport : public tEcrRptCrs3000 {
  TB_OBJECT(tBenchPluReport)

public:
  explicit tBenchPluReport(TBlank blank) : tEcrRptCrs3000(blank) {}
  QString GetRptName() const override { return QStringLiteral("PLU"); }
  int GetRecsInBlk() const override { return recordsInBlock; }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }

  static constexpr int kRecordSize = 20;
  // Each benchmark sets the block size of its work files before it saves one.
  static inline int recordsInBlock = 200;
};
