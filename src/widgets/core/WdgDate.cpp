#include "widgets/core/WdgDate.h"

bool IsLeapYear(int year) {
  return year % 4 == 0 && year % 4000 != 0 && (year % 100 != 0 || year % 400 == 0);
}

int ResolveEpochYear(int year, int epoch) {
  if (uint16_t(year) >= 100) return year;
  const int century = (epoch / 100) * 100;
  return year >= epoch % 100 ? year + century : year + century + 100;
}

int DaysInMonth(int month, int year, int epoch) {
  year = ResolveEpochYear(year, epoch);
  if (year < FirstYear || year > LastYear || month < 1 || month > 12) return 0;
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool ValidDate(int day, int month, int year, int epoch) {
  return day >= 1 && day <= DaysInMonth(month, year, epoch);
}

int32_t DMYToDayNumber(int day, int month, int year, int epoch) {
  if (!ValidDate(day, month, year, epoch)) return BadDate;
  year = ResolveEpochYear(year, epoch);
  if (year == FirstYear && month <= 2) return month == 1 ? day - 1 : day + 30;
  int y = year - FirstYear;
  int m = month;
  if (m <= 2) {
    m += 12;
    --y;
  }
  return (((y / 100) * 146097) / 4) + (((y % 100) * 1461) / 4) + ((153 * m - 457) / 5) + day + 59;
}

void DayNumberToDMY(int32_t dayNumber, int& day, int& month, int& year) {
  if (dayNumber < MinDayNumber || dayNumber > MaxDayNumber) {
    day = month = year = 0;
    return;
  }
  if (dayNumber <= 59) {
    year = FirstYear;
    month = dayNumber <= 30 ? 1 : 2;
    day = dayNumber <= 30 ? dayNumber + 1 : dayNumber - 30;
    return;
  }
  int i = 4 * dayNumber - 237;
  const int j = 4 * ((i % 146097) / 4) + 3;
  year = 100 * (i / 146097) + j / 1461;
  i = 5 * (((j % 1461) + 4) / 4) - 3;
  day = ((i % 153) + 5) / 5;
  month = i / 153;
  if (month < 10) {
    month += 3;
  } else {
    month -= 9;
    ++year;
  }
  year += FirstYear;
}

int WeekdayOf(int32_t dayNumber) {
  if (dayNumber < MinDayNumber || dayNumber > MaxDayNumber) return 7;
  return (dayNumber + 6) % 7;
}

int WeekdayOfDMY(int day, int month, int year, int epoch) {
  return WeekdayOf(DMYToDayNumber(day, month, year, epoch));
}

void SecondsToHMS(int32_t seconds, uint8_t& hours, uint8_t& minutes, uint8_t& secs) {
  if (seconds < 0 || seconds >= 86400) seconds = 0;
  hours = uint8_t(seconds / 3600);
  minutes = uint8_t(seconds % 3600 / 60);
  secs = uint8_t(seconds % 60);
}

int32_t HMSToSeconds(uint8_t hours, uint8_t minutes, uint8_t secs) {
  return ((hours % 24) * 3600 + minutes * 60 + secs) % 86400;
}

bool ValidTime(int hours, int minutes, int secs) {
  return hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59 && secs >= 0 && secs <= 59;
}
