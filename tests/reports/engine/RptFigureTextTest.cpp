#include "reports/engine/RptFigureText.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
using RptFigureText::TrackTimeStyle;
const RptLocale kUs = RptLocale::UnitedStates();

TEST(RptFigureText, ShareWithoutSalesOrBelowOneHundredthIsZero) {
  EXPECT_EQ(RptFigureText::SharePercent(5, 0, kUs), QStringLiteral("0%"));
  EXPECT_EQ(RptFigureText::SharePercent(0, 100, kUs), QStringLiteral("0%"));
  EXPECT_EQ(RptFigureText::SharePercent(std::nan(""), 100, kUs), QStringLiteral("0%"));
  EXPECT_EQ(RptFigureText::SharePercent(0.0099, 100, kUs), QStringLiteral("0%"));
  EXPECT_EQ(RptFigureText::SharePercent(0.01, 100, kUs), QStringLiteral("0.01%"));
  // Cut, never rounded up to the next hundredth.
  EXPECT_EQ(RptFigureText::SharePercent(99.999, 100, kUs), QStringLiteral("99.99%"));
  RptLocale comma = kUs;
  comma.decimalSeparator = u',';
  EXPECT_EQ(RptFigureText::SharePercent(12.3456, 100, comma), QStringLiteral("12,34%"));
}

TEST(RptFigureText, CentsRoundExactHalvesToTheEvenCent) {
  const struct {
    double amount;
    int64_t cents;
  } cases[] = {{0.125, 12},  {0.135, 14},   {0.005, 0},         {0.015, 2},
               {-0.125, -12}, {-0.135, -14}, {1.262625, 126},    {0.0051, 1},
               {0.0049, 0},  {2.5, 250},    {12345678.905, 1234567890}, {12345678.915, 1234567892},
               {0.0, 0}};
  for (const auto& c : cases) EXPECT_EQ(RptFigureText::CentsHalfEven(c.amount), c.cents) << c.amount;
}

TEST(RptFigureText, TrackTimeWithoutACountShowsZeroTimeInsteadOfFailing) {
  for (const TrackTimeStyle style : {TrackTimeStyle::Padded, TrackTimeStyle::Plain}) {
    EXPECT_EQ(RptFigureText::TrackTime(7384, 0, style), QStringLiteral("0:00:00"));
    EXPECT_EQ(RptFigureText::TrackTime(7384, std::nullopt, style), QStringLiteral("0:00:00"));
    EXPECT_EQ(RptFigureText::TrackTime(std::nullopt, 2, style), QStringLiteral("0:00:00"));
    EXPECT_EQ(RptFigureText::TrackTime(0, 0, style), QStringLiteral("0:00:00"));
  }
}

TEST(RptFigureText, TrackTimeCutsTheAverageToWholeSeconds) {
  EXPECT_EQ(RptFigureText::TrackTime(7385, 2, TrackTimeStyle::Padded), QStringLiteral("1:01:32"));
  EXPECT_EQ(RptFigureText::TrackTime(59, 60, TrackTimeStyle::Padded), QStringLiteral("0:00:00"));
  EXPECT_EQ(RptFigureText::TrackTime(3599, 1, TrackTimeStyle::Padded), QStringLiteral("0:59:59"));
  EXPECT_EQ(RptFigureText::TrackTime(3600, 1, TrackTimeStyle::Plain), QStringLiteral("1:0:0"));
  EXPECT_EQ(RptFigureText::TrackTime(int64_t(100) * 3600 + 61, 1, TrackTimeStyle::Padded),
            QStringLiteral("100:01:01"));
  EXPECT_EQ(RptFigureText::TrackTime(-7384, 2, TrackTimeStyle::Padded), QStringLiteral("-1:01:32"));
}
} // namespace
