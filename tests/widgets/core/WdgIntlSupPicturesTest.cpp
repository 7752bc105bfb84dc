#include "widgets/core/WdgDate.h"
#include "widgets/core/WdgIntlSup.h"

#include "platform/sys/Clock.h"

#include <gtest/gtest.h>

namespace {
QString T(const char* s) { return QString::fromUtf8(s); }

TWdgIntlSup TwelveHour() {
  return TWdgIntlSup({{T("sTimeFormat"), T("h:mm:ss tt")}, {T("s1159"), T("AM")}, {T("s2359"), T("PM")}});
}

struct DateTextCase {
  const char* picture;
  const char* text;
  int epoch;
  bool valid;
  int day, month, year;
};

TEST(WdgIntlSupPictures, DateTextsRead) {
  FakeClock clock(QDateTime(QDate(2026, 7, 15), QTime(12, 0)));
  ScopedClock scoped(clock);
  const TWdgIntlSup settings;
  const DateTextCase cases[] = {
      {"mm/dd/yy", "12/31/98", 1900, true, 31, 12, 98},
      {"mm/dd/yy", "12/  /98", 1900, false, -1, 12, 98},
      {"mm/dd/yy", "02/29/00", 1900, false, 29, 2, 0},
      {"mm/dd/yy", "02/29/00", 1950, true, 29, 2, 0},
      {"mm/dd/yyyy", "04/31/2001", 1900, false, 31, 4, 2001},
      {"DD/MM/yyyy", " 1/ 2/2001", 1900, true, 1, 2, 2001},
      {"dd nnn yyyy", "05 Mar 2001", 1900, true, 5, 3, 2001},
      {"dd nnn yyyy", "05 xyz 2001", 1900, false, 5, -1, 2001},
      {"dd nnn yyyy", "05     2001", 1900, false, 5, -1, 2001},
      // Missing subfields: the current month and year taken at start-up, day 1.
      {"dd", "09", 1900, true, 9, 7, 2026},
      {"mm/yy", "03/01", 1950, true, 1, 3, 1},
      {"mm/dd/yy", "12/31/9", 1900, false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    int day = 0, month = 0, year = 0;
    EXPECT_EQ(settings.DateTextToDMY(T(c.picture), T(c.text), c.epoch, day, month, year), c.valid) << c.text;
    if (T(c.picture).size() == T(c.text).size()) {
      EXPECT_EQ(std::tuple(day, month, year), std::tuple(c.day, c.month, c.year)) << c.text;
    }
  }
  EXPECT_EQ(settings.DateTextToDayNumber(T("mm/dd/yy"), T("12/31/98"), 1900),
            DMYToDayNumber(31, 12, 1998, 1900));
  EXPECT_EQ(settings.DateTextToDayNumber(T("mm/dd/yy"), T("12/  /98"), 1900), BadDate);
}

struct TimeTextCase {
  const char* picture;
  const char* text;
  int32_t seconds;
};

TEST(WdgIntlSupPictures, TimeTextsRead) {
  const TWdgIntlSup settings = TwelveHour();
  const TimeTextCase cases[] = {
      {"hh:mm tt", "12:30 AM", 30 * 60},
      {"hh:mm tt", "12:30 PM", 12 * 3600 + 30 * 60},
      {"hh:mm tt", "00:30 AM", BadTime},
      {"hh:mm tt", "00:30 PM", 12 * 3600 + 30 * 60},
      {"hh:mm tt", "01:05 pm", 13 * 3600 + 5 * 60},
      {"hh:mm tt", "13:00 PM", BadTime},
      {"hh:mm tt", "11:00 XM", BadTime},
      {"hh:mm tt", "11:00   ", BadTime},
      {"hh:mm t", "11:00 P", 23 * 3600},
      {"hh:mm:ss", "23:59:59", 86399},
      {"hh:mm:ss", "24:00:00", BadTime},
      {"hh:mm:ss", "10:  :00", BadTime},
      {"Hh:mm", " 7:45", 7 * 3600 + 45 * 60},
      {"hh:mm", "7:45", BadTime},
  };
  for (const auto& c : cases)
    EXPECT_EQ(settings.TimeTextToSeconds(T(c.picture), T(c.text)), c.seconds) << c.picture << " " << c.text;
}

struct DateWriteCase {
  const char* picture;
  int32_t dayNumber;
  bool pack;
  const char* text;
};

TEST(WdgIntlSupPictures, DateTextsWritten) {
  const TWdgIntlSup settings({{T("sDate"), T("-")}});
  const int32_t march5 = DMYToDayNumber(5, 3, 2001, 1900);  // a Monday
  const DateWriteCase cases[] = {
      {"mm/dd/yyyy", march5, false, "03-05-2001"},
      {"MM/DD/yy", march5, false, " 3- 5-01"},
      {"MM/DD/yy", march5, true, "3-5-01"},
      {"WWW, nnnnnnnnn DD", march5, false, "MON, March      5"},
      {"www, NNNNNNNNN DD", march5, true, "Mon, MARCH 5"},
      {"mm/dd/yy", BadDate, false, "  -  -  "},
      {"mm/dd/yy", BadDate, true, "  -  -  "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(settings.DayNumberToDateText(T(c.picture), c.dayNumber, c.pack), T(c.text)) << c.picture;
  EXPECT_EQ(settings.DMYToDateText(T("mm/dd/yyyy"), 31, 12, 98, 1900, false), T("12-31-1998"));
  EXPECT_EQ(settings.DMYToDateText(T("mm/dd/yyyy"), 31, 12, 49, 1950, false), T("12-31-2049"));
}

struct TimeWriteCase {
  const char* picture;
  int32_t seconds;
  bool pack;
  const char* text;
};

TEST(WdgIntlSupPictures, TimeTextsWritten) {
  const TWdgIntlSup settings = TwelveHour();
  const TimeWriteCase cases[] = {
      {"hh:mm tt", 30 * 60, false, "12:30 AM"},
      {"hh:mm tt", 13 * 3600 + 5 * 60, false, "01:05 PM"},
      {"Hh:mm tt", 13 * 3600 + 5 * 60, false, " 1:05 PM"},
      {"Hh:mm tt", 13 * 3600 + 5 * 60, true, "1:05 PM"},
      {"Hh:mm ttt", 12 * 3600, false, "12:00 PM "},
      {"hh:mm:ss", 86399, false, "23:59:59"},
      {"hh:mm:ss", BadTime, false, "  :  :  "},
      {"hh:mm tt", BadTime, false, "  :   AM"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(settings.SecondsToTimeText(T(c.picture), c.seconds, c.pack), T(c.text)) << c.picture << " " << c.seconds;
  const TWdgIntlSup noHalves({{T("s1159"), T(" ")}, {T("s2359"), T(" ")}});
  EXPECT_EQ(noHalves.AMText(), T("AM"));  // an empty setting keeps the default
}

TEST(WdgIntlSupPictures, PackingLeavesOutPaddingBlanks) {
  EXPECT_EQ(TWdgIntlSup::PackDateTimeText(T("Hh:mm tt"), T(" 1:05   ")), T("1:05"));
  EXPECT_EQ(TWdgIntlSup::PackDateTimeText(T("DD/MM/yy"), T(" 5/ 3/01")), T("5/3/01"));
  EXPECT_EQ(TWdgIntlSup::PackDateTimeText(T("dd/mm/yy"), T("05/03/01")), T("05/03/01"));
}

TEST(WdgIntlSupPictures, LongDatePictureTakesOutLiteralsAndNames) {
  const TWdgIntlSup us;
  EXPECT_EQ(us.LongDatePicture(), T("wwww, nnnn dd, yyyy"));
  const TWdgIntlSup quoted({{T("sLongDate"), T("dddd' den 'd.MMMM yyyy")}});
  EXPECT_EQ(quoted.LongDatePicture(), T("wwwwfffffd. nnnn yyyy"));
  EXPECT_EQ(quoted.Literal(0), T(" den "));
  const TWdgIntlSup longLiteral({{T("sLongDate"), T("'of the year' yyyy")}});
  EXPECT_EQ(longLiteral.LongDatePicture(), T("fffff yyyy"));
  EXPECT_EQ(longLiteral.Literal(0), T("of th"));
  const TWdgIntlSup unclosed({{T("sLongDate"), T("d 'x MMMM")}});
  EXPECT_EQ(unclosed.LongDatePicture(), T("d x nnnn"));
  // Names are cut to their run.
  EXPECT_EQ(quoted.DMYToDateText(quoted.LongDatePicture(), 5, 3, 2001, 1900, false), T("Mond den 5. Marc 2001"));
}

TEST(WdgIntlSupPictures, MonthNamesCompareOverTheRunLength) {
  const TWdgIntlSup settings;
  EXPECT_EQ(settings.MonthFromName(T("jan"), 3), 1);
  EXPECT_EQ(settings.MonthFromName(T("DECEMBER"), 9), 12);
  EXPECT_EQ(settings.MonthFromName(T("Ju"), 2), 6);  // June comes before July
  EXPECT_EQ(settings.MonthFromName(T("Smarch"), 6), 0);
}
} // namespace
