#pragma once
// The register programs whose rows name the lines of the line-chain forms, bound by the
// report's driver: report descriptors (the 2.21 driver has its own), function keys, major
// groups and, for the cashier form, print control (by the ROM's name). A program the driver
// lacks reads as a program with no rows; for print control that leaves the major-group lines
// ungated (older ROMs have no print-control program).
#include "reports/RptKeyedSource.h"
#include "reports/RptLineChain.h"

#include <memory>

class tEcrRpt;

class RptLineProgramTables {
public:
  void Bind(const tEcrRpt& report, bool printControl);
  RptLinePrograms Programs() const { return {descriptors_.get(), functionKeys_.get(), majorGroups_.get()}; }
  // The print-control flag of a major group (1 to 20) from the program's first row; nullopt
  // without a print-control program. An empty flag, or a program without rows, is false.
  std::optional<bool> GroupPrints(int group) const;

  static QString DescriptorClass(const QString& driverClass);
  static QString PrintControlClass(const QString& romName);

private:
  std::unique_ptr<RptKeyedSource> descriptors_ = std::make_unique<RptNoRows>();
  std::unique_ptr<RptKeyedSource> functionKeys_ = std::make_unique<RptNoRows>();
  std::unique_ptr<RptKeyedSource> majorGroups_ = std::make_unique<RptNoRows>();
  std::unique_ptr<RptKeyedSource> printControl_;
};
