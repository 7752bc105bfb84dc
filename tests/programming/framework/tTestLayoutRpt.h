#pragma once
// A report decoder written the way the register's plain reports are: a layout and its
// constants, nothing else. Its 17-byte record is a group's sales total, count and weight,
// 99 records a block, rows numbered across blocks; a second layout, for a newer ROM, puts
// a one-byte status in front.
#include "crs3000/tEcrRptCrs3000.h"

class tTestLayoutRpt : public tEcrRptCrs3000 {
  TB_OBJECT(tTestLayoutRpt)

public:
  explicit tTestLayoutRpt(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 41; }
  QString GetRptName() const override { return QStringLiteral("Test Group Report"); }
  int GetRecsInBlk() const override { return 99; }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
};

class tTestLayoutRptV2 : public tTestLayoutRpt {
  TB_OBJECT(tTestLayoutRptV2)

public:
  explicit tTestLayoutRptV2(TBlank blank) : tTestLayoutRpt(blank) {}
  int LayoutVariant() const override { return 1; }
};
