#include "reports/engine/RptErrors.h"
#include "reports/engine/RptReportRegistry.h"

#include "platform/sys/ScopeGuard.h"

#include <gtest/gtest.h>

namespace {
// A definition registered at start-up, as a report form unit does.
const RptReportRegistration registration("TTestStartUpRpt", [] {
  auto report = std::make_unique<RptReport>("TTestStartUpRpt");
  report->AddBand(RptBandKind::Title, "Title", 16).AddLabel("Caption", QRectF(0, 0, 100, 16), "start-up");
  return report;
});
} // namespace

TEST(RptReportRegistryTest, StartUpRegistrationIsFoundByClassNameInAnyCase) {
  ASSERT_TRUE(RptReportRegistry::IsRegistered("ttestSTARTUPrpt"));
  EXPECT_TRUE(RptReportRegistry::ClassNames().contains("TTestStartUpRpt"));
  const auto first = RptReportRegistry::Create("TTESTSTARTUPRPT");
  const auto second = RptReportRegistry::Create("TTestStartUpRpt");
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.get(), second.get());  // each run gets a definition of its own
  const auto model = first->Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(model->PrintedBands(), QStringList{"Title"});
}

TEST(RptReportRegistryTest, UnknownDuplicateAndEmptyRegistrationsAreRefused) {
  EXPECT_THROW(RptReportRegistry::Create("TNoSuchRpt"), ERptNotRegistered);
  const auto factory = [] { return std::make_unique<RptReport>(); };
  RptReportRegistry::Register("TTestTwiceRpt", factory);
  auto cleanup = OnScopeExit([] { RptReportRegistry::Unregister("TTestTwiceRpt"); });
  EXPECT_THROW(RptReportRegistry::Register("ttesttwicerpt", factory), ERptDefinition);
  EXPECT_THROW(RptReportRegistry::Register("TTestEmptyRpt", {}), ERptDefinition);
  EXPECT_FALSE(RptReportRegistry::IsRegistered("TTestEmptyRpt"));
  RptReportRegistry::Register("TTestNullRpt", [] { return std::unique_ptr<RptReport>(); });
  auto cleanupNull = OnScopeExit([] { RptReportRegistry::Unregister("TTestNullRpt"); });
  EXPECT_THROW(RptReportRegistry::Create("TTestNullRpt"), ERptNotRegistered);
}
