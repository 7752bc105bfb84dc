#include "widgets/core/WdgDate.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {
// 1600-01-01 as a Julian day.
constexpr qint64 kJulianDayOfDayZero = 2305448;

struct DayCase {
  int day, month, year, epoch;
  int32_t dayNumber;
};

TEST(WdgDate, DayNumbersOfKnownDates) {
  const DayCase cases[] = {
      {1, 1, 1600, 1900, 0},       {31, 1, 1600, 1900, 30},      {1, 2, 1600, 1900, 31},
      {29, 2, 1600, 1900, 59},     {1, 3, 1600, 1900, 60},       {29, 2, 2000, 1900, 146156},
      {31, 12, 3999, 1900, 876581}, {30, 12, 1899, 1900, 109571}, {31, 12, 98, 1900, 145731},
      // Not dates: 29 February 1900, 31 April, outside 1600..3999, day or month 0.
      {29, 2, 1900, 1900, BadDate}, {31, 4, 2001, 1900, BadDate},  {31, 12, 1599, 1900, BadDate},
      {1, 1, 4000, 1900, BadDate},  {0, 1, 2000, 1900, BadDate},   {1, 13, 2000, 1900, BadDate},
      {1, 0, 2000, 1900, BadDate},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DMYToDayNumber(c.day, c.month, c.year, c.epoch), c.dayNumber)
        << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(ValidDate(c.day, c.month, c.year, c.epoch), c.dayNumber != BadDate);
  }
}

TEST(WdgDate, EveryDayAgreesWithTheGregorianCalendarBothWays) {
  for (int32_t n = MinDayNumber; n <= MaxDayNumber; ++n) {
    const QDate date = QDate::fromJulianDay(n + kJulianDayOfDayZero);
    int day = 0, month = 0, year = 0;
    DayNumberToDMY(n, day, month, year);
    ASSERT_EQ(QDate(year, month, day), date) << n;
    ASSERT_EQ(DMYToDayNumber(date.day(), date.month(), date.year(), 1900), n) << n;
    ASSERT_EQ(WeekdayOf(n), date.dayOfWeek() % 7) << n;
  }
}

TEST(WdgDate, NoDateSplitsIntoZerosAndHasWeekdaySeven) {
  for (int32_t n : {BadDate, -5, MaxDayNumber + 1}) {
    int day = 9, month = 9, year = 9;
    DayNumberToDMY(n, day, month, year);
    EXPECT_EQ(day, 0);
    EXPECT_EQ(month, 0);
    EXPECT_EQ(year, 0);
    EXPECT_EQ(WeekdayOf(n), 7);
  }
  EXPECT_EQ(WeekdayOf(0), 6);  // 1600-01-01, a Saturday
  EXPECT_EQ(WeekdayOfDMY(11, 12, 26, 1950), 5);  // 2026-12-11, a Friday
  EXPECT_EQ(WeekdayOfDMY(31, 4, 2026, 1950), 7);
}

struct EpochCase {
  int year, epoch, resolved;
};

TEST(WdgDate, TwoDigitYearsLandInTheEpochsCentury) {
  const EpochCase cases[] = {
      {98, 1900, 1998}, {5, 1900, 1905},   {0, 1900, 1900},   {49, 1950, 2049},
      {50, 1950, 1950}, {99, 1950, 1999},  {0, 2000, 2000},   {99, 2000, 2099},
      {100, 1950, 100}, {1998, 1950, 1998}, {-1, 1950, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveEpochYear(c.year, c.epoch), c.resolved) << c.year << " " << c.epoch;
}

TEST(WdgDate, DaysInMonthAndLeapYears) {
  EXPECT_EQ(DaysInMonth(2, 1900, 1900), 28);
  EXPECT_EQ(DaysInMonth(2, 2000, 1900), 29);
  EXPECT_EQ(DaysInMonth(2, 0, 1950), 29);  // 2000
  EXPECT_EQ(DaysInMonth(2, 1, 1950), 28);  // 2001
  EXPECT_EQ(DaysInMonth(4, 2001, 1900), 30);
  EXPECT_EQ(DaysInMonth(12, 2001, 1900), 31);
  EXPECT_EQ(DaysInMonth(13, 2001, 1900), 0);
  EXPECT_EQ(DaysInMonth(1, 1599, 1900), 0);
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(4000));
}

TEST(WdgDate, SecondsSinceMidnight) {
  uint8_t h = 9, m = 9, s = 9;
  SecondsToHMS(86399, h, m, s);
  EXPECT_EQ(std::tuple(h, m, s), std::tuple(uint8_t(23), uint8_t(59), uint8_t(59)));
  SecondsToHMS(BadTime, h, m, s);
  EXPECT_EQ(std::tuple(h, m, s), std::tuple(uint8_t(0), uint8_t(0), uint8_t(0)));
  SecondsToHMS(86400, h, m, s);
  EXPECT_EQ(h, 0);
  SecondsToHMS(3723, h, m, s);
  EXPECT_EQ(std::tuple(h, m, s), std::tuple(uint8_t(1), uint8_t(2), uint8_t(3)));
  EXPECT_EQ(HMSToSeconds(1, 2, 3), 3723);
  EXPECT_EQ(HMSToSeconds(24, 0, 30), 30);
  EXPECT_EQ(HMSToSeconds(23, 59, 60), 0);
  EXPECT_TRUE(ValidTime(23, 59, 59));
  EXPECT_FALSE(ValidTime(24, 0, 0));
  EXPECT_FALSE(ValidTime(0, 60, 0));
  EXPECT_FALSE(ValidTime(0, 0, -1));
}
} // namespace
