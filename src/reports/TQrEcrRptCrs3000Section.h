#pragma once
// The form of one section of the financial report printed on its own (sales, receipts, memo,
// system balancing, table service): a line a totaliser of the section's one row, captions
// from the register's descriptors and function keys, each line by its own test.
#include "reports/RptLineChain.h"
#include "reports/RptLineProgramTables.h"
#include "reports/TQrEcrRpt3000.h"

#include <memory>

class TQrEcrRptCrs3000Section : public TQrEcrRpt3000 {
public:
  // section: RptFnclSectionLines::Section.
  TQrEcrRptCrs3000Section(const QString& formClass, const QString& title, int section);
  void BindPrograms(const tEcrRpt& report) override;
  const RptLineChain& Chain() const { return *chain_; }

private:
  std::unique_ptr<RptLineChain> chain_;
  RptLineProgramTables programs_;
};
