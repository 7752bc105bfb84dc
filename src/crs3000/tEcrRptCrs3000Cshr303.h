#pragma once
// The cashier report of ROM versions 3.03 to 3.05, whose 778-byte record adds the debit
// card totaliser.
#include "crs3000/tEcrRptCrs3000Cashier.h"

class tEcrRptCrs3000Cshr303 : public tEcrRptCrs3000Cashier {
  TB_OBJECT(tEcrRptCrs3000Cshr303)

public:
  explicit tEcrRptCrs3000Cshr303(TBlank blank) : tEcrRptCrs3000Cashier(blank) {}
  const EcrLayout* RecordLayout() const override;
};
