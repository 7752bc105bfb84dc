// The report a tool decodes with: a new object of a class the driver lists, found by class
// name, report name or code, owned by the driver; a class not built yet says so.
#include "RptChoice.h"

#include "crs3000/Crs3000UnbuiltClasses.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "store/streaming/StreamRegistry.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<tEcr> Driver() { return tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0302"))); }

TEST(RptChoice, TheCouponIsFoundByClassReportNameOrCodeAsANewObjectOfTheDriver) {
  const std::unique_ptr<tEcr> driver = Driver();
  for (const char* name : {"tEcrRptCrs3000Coupon", "TECRRPTCRS3000COUPON", "coupon", "44"}) {
    const std::unique_ptr<tEcrRpt> rpt = RptChoice::ByName(*driver, QLatin1String(name));
    ASSERT_NE(rpt, nullptr) << name;
    EXPECT_EQ(rpt->ClassName(), QStringLiteral("tEcrRptCrs3000Coupon")) << name;
    EXPECT_EQ(rpt->Owner(), driver.get()) << "names are looked up through the driver";
    EXPECT_NE(rpt.get(), driver->FindRptByClass(QStringLiteral("tEcrRptCrs3000Coupon"))) << "not the listed object";
  }
  EXPECT_EQ(RptChoice::ByCode(*driver, 200), nullptr);
  EXPECT_TRUE(RptChoice::Listed(*driver).contains(QStringLiteral("Coupon (tEcrRptCrs3000Coupon)")));
}

TEST(RptChoice, AClassNotBuiltYetIsNamedAsSuch) {
  if (Crs3000UnbuiltClasses::Names().isEmpty()) GTEST_SKIP() << "every listed class is built";
  const QString unbuilt = Crs3000UnbuiltClasses::Names().first();
  const std::unique_ptr<tEcr> driver = Driver();
  try {
    RptChoice::ByName(*driver, unbuilt.toUpper());
    FAIL() << "no report of an unbuilt class";
  } catch (const ENoDecoder& e) {
    EXPECT_EQ(e.Message(), unbuilt + QStringLiteral(" has no decoder yet in this program"));
  }
}
} // namespace
