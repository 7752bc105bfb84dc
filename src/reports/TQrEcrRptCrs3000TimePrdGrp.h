#pragma once
// The CRS 3000 time period by group report: for each period of the day a heading with its
// time range (from the register's time range program), a line for each major group 1 to 20
// and an "All Groups" line, and a totals line of the plain sums of the "All Groups" figures
// over all periods, which always prints. The register's major group program names the
// group lines and switches each on or off by its "Time Period Print" flag; a group the
// program lacks (or an empty name) reads "Group G", and a group it lacks keeps its line.
// Under zero skip a group line prints when its count, or else its total, is there and not 0.
#include "reports/RptFormTables.h"
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRptCrs3000TimePrdGrp : public TQrEcrRpt3000 {
public:
  static constexpr int kGroups = 20;
  TQrEcrRptCrs3000TimePrdGrp();
  void BindPrograms(const tEcrRpt& report) override;

private:
  RptBand& AddGroupLine(RptBand& parent, int group);
  void SetGroupLines();

  RptFormTables tables_;
};
