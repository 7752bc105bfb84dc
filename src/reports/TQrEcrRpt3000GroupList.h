#pragma once
// The major group and sub group report forms, one design: a line a group (number, name,
// count, amount, average, weight) and a totals line of the printed lines. Under zero skip a
// line prints when its count, or else its total, is there and not 0. The totals line prints
// only when the counts and the amounts of all groups, printed or not, both sum to non-zero.
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRpt3000GroupList : public TQrEcrRpt3000 {
public:
  struct Design {
    const char* formClass;
    const char* title;
    const char* numberCaption;
    bool sumsWeight;  // the totals line adds the weight
  };
  explicit TQrEcrRpt3000GroupList(const Design& design);

private:
  qint64 countSum_ = 0;
  qint64 totalUnits_ = 0;
};
