#include "RptChoice.h"

#include "crs3000/Crs3000UnbuiltClasses.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"

namespace {
std::unique_ptr<tEcrRpt> NewLike(tEcr& driver, const tEcrRpt& listed) {
  return std::unique_ptr<tEcrRpt>(static_cast<tEcrRpt*>(tEcrFnct::CreateByClass(listed.ClassType(), &driver).release()));
}

QString DriverName(const tEcr& driver) { return QStringLiteral("%1 (ROM %2)").arg(driver.ClassName(), driver.RomName()); }
} // namespace

std::unique_ptr<tEcrRpt> RptChoice::ByName(tEcr& driver, const QString& name) {
  bool isCode = false;
  const int code = name.toInt(&isCode);
  if (isCode) {
    if (std::unique_ptr<tEcrRpt> rpt = ByCode(driver, code)) return rpt;
    throw ENoDecoder(QStringLiteral("The %1 driver has no report of code %2; it has: %3")
                         .arg(DriverName(driver)).arg(code).arg(Listed(driver).join(QLatin1String(", "))));
  }
  for (int i = 1; i <= driver.RptCount(); ++i) {
    const tEcrRpt& rpt = *driver.Rpt(i);
    if (rpt.ClassName().compare(name, Qt::CaseInsensitive) == 0 || rpt.GetRptName().compare(name, Qt::CaseInsensitive) == 0)
      return NewLike(driver, rpt);
  }
  for (const QString& unbuilt : Crs3000UnbuiltClasses::Names())
    if (unbuilt.compare(name, Qt::CaseInsensitive) == 0)
      throw ENoDecoder(QStringLiteral("%1 has no decoder yet in this program").arg(unbuilt));
  throw ENoDecoder(QStringLiteral("The %1 driver has no report \"%2\"; it has: %3")
                       .arg(DriverName(driver), name, Listed(driver).join(QLatin1String(", "))));
}

std::unique_ptr<tEcrRpt> RptChoice::ByCode(tEcr& driver, int code) {
  for (int i = 1; i <= driver.RptCount(); ++i)
    if (driver.Rpt(i)->GetRptCode() == code) return NewLike(driver, *driver.Rpt(i));
  return nullptr;
}

QStringList RptChoice::Listed(const tEcr& driver) {
  QStringList listed;
  for (int i = 1; i <= driver.RptCount(); ++i)
    listed << QStringLiteral("%1 (%2)").arg(driver.Rpt(i)->GetRptName(), driver.Rpt(i)->ClassName());
  return listed;
}
