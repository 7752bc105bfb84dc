#include "reports/RptLineProgramTables.h"

#include "crs3000/Crs3000RomVersions.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "reports/RptProgramRows.h"

QString RptLineProgramTables::DescriptorClass(const QString& driverClass) {
  return driverClass == QLatin1String("tEcrCrs3000V0221") ? QStringLiteral("tEcrPrgCrs3000RptDesc221")
                                                          : QStringLiteral("tEcrPrgCrs3000RptDesc");
}

QString RptLineProgramTables::PrintControlClass(const QString& romName) {
  if (romName == QLatin1String("2.21 Not Recommended")) return QStringLiteral("tEcrPrgCrs3000PrntCtrl221");
  if (Crs3000RomVersions::Has304Tables(romName)) return QStringLiteral("tEcrPrgCrs3000PrntCtrl304");
  if (romName == QLatin1String("4.02") || romName == QLatin1String("4.03")) return QStringLiteral("tEcrPrgCrs3000PrntCtrl402");
  return QStringLiteral("tEcrPrgCrs3000PrntCtrl");
}

void RptLineProgramTables::Bind(const tEcrRpt& report, bool printControl) {
  const auto* driver = dynamic_cast<const tEcr*>(report.Owner());
  const QString driverClass = driver ? driver->ClassName() : QString();
  descriptors_ = RptProgramRows(report, DescriptorClass(driverClass));
  functionKeys_ = RptProgramRows(report, QStringLiteral("tEcrPrgCrs3000FnctKys"));
  majorGroups_ = RptProgramRows(report, QStringLiteral("tEcrPrgCrs3000MajGrp"));
  printControl_.reset();
  if (!printControl || !driver) return;
  const QString control = PrintControlClass(driver->RomName());
  if (driver->FindPrgByClass(control)) printControl_ = RptProgramRows(report, control);
}

std::optional<bool> RptLineProgramTables::GroupPrints(int group) const {
  if (!printControl_) return std::nullopt;
  printControl_->Rewind();
  if (printControl_->AtEnd()) return false;
  return printControl_->Field(QStringLiteral("Prnt MGrp %1").arg(group, 2, 10, QLatin1Char('0'))).ToBool();
}
