#include "comm/crs/CrsRptCodes.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

namespace {
bool OneOf(int code, std::initializer_list<int> codes) { return std::find(codes.begin(), codes.end(), code) != codes.end(); }
bool Between(int code, int first, int last) { return code >= first && code <= last; }

// Report code -> position (1..15) of its option byte in the consolidate command.
struct OptionPosition {
  int rptCode;
  int position;
};
constexpr OptionPosition kOptionPositions[] = {{33, 1}, {35, 2}, {34, 3}, {38, 4},  {41, 5},
                                               {42, 6}, {43, 7}, {44, 8}, {45, 9}, {60, 10}};
} // namespace

bool CrsRptCodes::IsSubRpt(int code) { return code == 36 || Between(code, 56, 59) || code == 80; }

bool CrsRptCodes::ClearsInResetOnly(int code) {
  return code == 47 || Between(code, 49, 55) || code == 61 || Between(code, 64, 66) || OneOf(code, {82, 83, 96});
}

bool CrsRptCodes::SavesFirst(int code) { return code == TimePeriod || code == TimeKeeping || IsSubRpt(code); }

bool CrsRptCodes::NeedsCnsldt(int code) { return !IsSubRpt(code) && code != TimeKeeping && !ClearsInResetOnly(code); }

std::array<std::uint8_t, 15> CrsRptCodes::CnsldtOptions(int rptCode, int area, int print) {
  std::array<std::uint8_t, 15> options{};
  for (const OptionPosition& entry : kOptionPositions)
    if (entry.rptCode == rptCode) options[std::size_t(entry.position - 1)] = std::uint8_t(1 + 2 * area + 4 * print);
  return options;
}

const std::array<CrsRptCodes::SubRpt, 5>& CrsRptCodes::TimePeriodSubRpts() {
  static const std::array<SubRpt, 5> subRpts{{{1, "tEcrRptCrs3000TpGrp", 36},
                                              {2, "tEcrRptCrs3000TpEatIn", 56},
                                              {4, "tEcrRptCrs3000TpTakeOut", 57},
                                              {8, "tEcrRptCrs3000TpTrack1", 58},
                                              {16, "tEcrRptCrs3000TpTrack2", 59}}};
  return subRpts;
}

const CrsRptCodes::SubRpt& CrsRptCodes::ClockPunches() {
  static const SubRpt clockPunches{0, "tEcrRptCrs3000ClkPnchs", 80};
  return clockPunches;
}
