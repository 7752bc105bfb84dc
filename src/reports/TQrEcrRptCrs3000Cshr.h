#pragma once
// The cashier report form, and its twin the day/shift form: a block a row of the poll, its
// header (the cashier's number and name, or the shift's number) and its lines, captions from
// the register's descriptors, function keys and major groups. Under zero skip the header
// prints when any field of the lines is there and not 0; each line prints by its own test;
// on the cashier form a major-group line also needs its print-control flag (a register
// without that program leaves the lines ungated).
#include "reports/RptLineChain.h"
#include "reports/RptLineProgramTables.h"
#include "reports/TQrEcrRpt3000.h"

#include <memory>

class TQrEcrRptCrs3000Cshr : public TQrEcrRpt3000 {
public:
  explicit TQrEcrRptCrs3000Cshr(bool dayShift = false);
  void BindPrograms(const tEcrRpt& report) override;

private:
  void AddHeader(bool dayShift);
  void AddAverages();
  bool AnyFigure() const;

  std::unique_ptr<RptLineChain> chain_;
  RptLineProgramTables programs_;
  bool dayShift_;
};
