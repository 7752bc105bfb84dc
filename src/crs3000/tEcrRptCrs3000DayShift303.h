#pragma once
// The day/shift report of ROM versions 3.03 to 3.05: the 778-byte record, with the debit
// card totaliser, in a table of a fixed name.
#include "crs3000/tEcrRptCrs3000DayShift.h"

class tEcrRptCrs3000DayShift303 : public tEcrRptCrs3000DayShift {
  TB_OBJECT(tEcrRptCrs3000DayShift303)

public:
  explicit tEcrRptCrs3000DayShift303(TBlank blank) : tEcrRptCrs3000DayShift(blank) {}
  QString GetTableName() const override { return QStringLiteral("tEcrRptCrs3000DaySh303"); }
  const EcrLayout* RecordLayout() const override;
};
