#pragma once
// What a report read does around its blocks, by report code: whether the register
// consolidates first, when the report flag is cleared, which codes are sub-reports, and the
// sub-reports of Time Period and Time Keeping.
#include <array>
#include <cstdint>

namespace CrsRptCodes {
inline constexpr int TimePeriod = 35;
inline constexpr int TimeKeeping = 81;

// Consolidation (and a status check) before the read: every code but the ones that read
// at once (sub-reports, Time Keeping, the inventory-like reports).
bool NeedsCnsldt(int rptCode);
// Reports whose flag is cleared only in reset mode (parameter 5 = 1); otherwise saved only.
bool ClearsInResetOnly(int rptCode);
// Time Period, Time Keeping and their sub-reports: saved before anything else happens.
bool SavesFirst(int rptCode);
// The sub-reports of Time Period and Time Keeping.
bool IsSubRpt(int rptCode);

// The 15 data bytes of a consolidate command: all zero except, for the consolidated
// reports, the option byte 1 + 2 x area + 4 x print at the code's position.
std::array<std::uint8_t, 15> CnsldtOptions(int rptCode, int area, int print);

struct SubRpt {
  int bit;           // the bit of parameter 6 that asks for it (0 for Clock Punches)
  const char* className;
  int rptCode;
};
// The sub-reports of Time Period, in the order they are read.
const std::array<SubRpt, 5>& TimePeriodSubRpts();
// The one sub-report of Time Keeping.
const SubRpt& ClockPunches();
} // namespace CrsRptCodes
