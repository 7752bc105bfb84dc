#include "reports/engine/RptDateTimeText.h"

#include <gtest/gtest.h>

namespace {
const RptLocale kUs = RptLocale::UnitedStates();

TEST(RptDateTimeText, LongTimeOnTheTwelveHourClock) {
  const struct {
    QTime time;
    const char* expected;
  } cases[] = {{QTime(0, 0), "12:00:00 AM"},          {QTime(0, 0, 1), "12:00:01 AM"},
               {QTime(11, 59, 59), "11:59:59 AM"},    {QTime(12, 0), "12:00:00 PM"},
               {QTime(23, 59, 59, 999), "11:59:59 PM"}, {QTime(6, 30), "6:30:00 AM"}};
  for (const auto& c : cases)
    EXPECT_EQ(RptDateTimeText::LongTime(c.time, kUs).toStdString(), c.expected) << c.time.toString().toStdString();
}

TEST(RptDateTimeText, LongTimeOfAStoredTimeOfDay) {
  EXPECT_EQ(RptDateTimeText::LongTime(TDateTime(14.0 / 24), kUs), QStringLiteral("2:00:00 PM"));
  EXPECT_EQ(RptDateTimeText::LongTime(TDateTime(13.5 / 24), kUs), QStringLiteral("1:30:00 PM"));
  EXPECT_EQ(RptDateTimeText::LongTime(TDateTime(0), kUs), QStringLiteral("12:00:00 AM"));
}

TEST(RptDateTimeText, DateTimeLeavesOutTheTimeOnlyAtExactlyMidnight) {
  const QDate day(2024, 6, 30);
  EXPECT_EQ(RptDateTimeText::DateTime(QDateTime(day, QTime(0, 0)), kUs), QStringLiteral("6/30/2024"));
  EXPECT_EQ(RptDateTimeText::DateTime(QDateTime(day, QTime(0, 0, 1)), kUs),
            QStringLiteral("6/30/2024 12:00:01 AM"));
  EXPECT_EQ(RptDateTimeText::DateTime(QDateTime(day, QTime(12, 0)), kUs), QStringLiteral("6/30/2024 12:00:00 PM"));
  const TDateTime stored = TDateTime::FromDate(day);
  EXPECT_EQ(RptDateTimeText::DateTime(stored, kUs), QStringLiteral("6/30/2024"));
  EXPECT_EQ(RptDateTimeText::DateTime(TDateTime(stored.Days() + 0.75), kUs), QStringLiteral("6/30/2024 6:00:00 PM"));
}

TEST(RptDateTimeText, OtherLayoutsOfTheLocale) {
  RptLocale locale = kUs;
  locale.twelveHourClock = false;
  locale.timeSeparator = u'.';
  locale.shortDateFormat = QStringLiteral("dd.MM.yyyy");
  EXPECT_EQ(RptDateTimeText::LongTime(QTime(14, 5, 9), locale), QStringLiteral("14.05.09"));
  EXPECT_EQ(RptDateTimeText::LongTime(QTime(0, 0), locale), QStringLiteral("0.00.00"));
  EXPECT_EQ(RptDateTimeText::ShortDate(QDate(2024, 1, 5), locale), QStringLiteral("05.01.2024"));
  EXPECT_EQ(RptDateTimeText::ShortDate(QDate(2024, 1, 5), kUs), QStringLiteral("1/5/2024"));
}
} // namespace
