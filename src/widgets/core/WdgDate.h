#pragma once
// Calendar arithmetic of the entry fields: dates are day numbers counted from 1 January 1600
// (Gregorian), times are seconds since midnight.
#include <cstdint>

constexpr int32_t BadDate = -1;
constexpr int32_t BadTime = -1;
constexpr int32_t MinDayNumber = 0;       // 1600-01-01
constexpr int32_t MaxDayNumber = 876581;  // 3999-12-31
constexpr int FirstYear = 1600;
constexpr int LastYear = 3999;

bool IsLeapYear(int year);
// A two-digit year placed in the century the epoch year opens; other years stay.
int ResolveEpochYear(int year, int epoch);
int DaysInMonth(int month, int year, int epoch);
bool ValidDate(int day, int month, int year, int epoch);
// BadDate when the date is not valid.
int32_t DMYToDayNumber(int day, int month, int year, int epoch);
// A day number outside 1600-01-01..3999-12-31 (BadDate among them) gives zeros.
void DayNumberToDMY(int32_t dayNumber, int& day, int& month, int& year);
// 0 Sunday .. 6 Saturday; 7 for a day number that is no date.
int WeekdayOf(int32_t dayNumber);
int WeekdayOfDMY(int day, int month, int year, int epoch);

// A time outside 0..86399 (BadTime among them) gives zeros.
void SecondsToHMS(int32_t seconds, uint8_t& hours, uint8_t& minutes, uint8_t& secs);
int32_t HMSToSeconds(uint8_t hours, uint8_t minutes, uint8_t secs);
bool ValidTime(int hours, int minutes, int secs);
