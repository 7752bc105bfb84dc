#pragma once
// The CRS 3000 clock punches report: the punches by employee, a line a punch with its job,
// break flag, start and stop time and the time worked in hours, and under each employee the
// total. A punch whose start is later than its stop ran past midnight; a missing time is
// midnight. Under zero skip a punch prints when its stop, or else its start, is there and
// not midnight; a punch held back adds nothing to the total.
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRptCrs3000ClrkPnchs : public TQrEcrRpt3000 {
public:
  TQrEcrRptCrs3000ClrkPnchs();

  // Seconds worked from start to stop, over midnight when the start is later.
  static int WorkedSeconds(const QTime& start, const QTime& stop);
  // Seconds as hours with the minutes a fraction, the seconds dropped ("8.33").
  static QString Hours(qint64 seconds);

private:
  void LineBeforePrint(RptBand& band, bool& print);

  qint64 workedSeconds_ = 0;  // of the current employee
};
