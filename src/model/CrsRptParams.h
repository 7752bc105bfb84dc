#pragma once
// The integer parameters of a CRS report request, as the report options set them and every
// command of the read uses them: the area polled (0 daily, 1 periodic), printing at the
// register, the first and last register of the range, the reset mode and the sub-reports
// to read along (bits in the low byte). One definition of each, so the read, the
// consolidation, the clear and the poll header agree on what a report asked for.
//
// Reset mode is an explicit 1: that is what the options store for "reset", and only a
// request that says so may clear the register's totals; any other value reads.
#include "model/tEcrFnct.h"

namespace CrsRptParams {
inline constexpr int kArea = 1;
inline constexpr int kPrint = 2;
inline constexpr int kRangeFirst = 3;
inline constexpr int kRangeLast = 4;
inline constexpr int kResetMode = 5;
inline constexpr int kSubRpts = 6;
inline constexpr int kResetValue = 1;

inline int Area(const tEcrFnct& rpt) { return rpt.GetIntParam(kArea); }
inline int Print(const tEcrFnct& rpt) { return rpt.GetIntParam(kPrint); }
inline int RangeFirst(const tEcrFnct& rpt) { return rpt.GetIntParam(kRangeFirst); }
inline int RangeLast(const tEcrFnct& rpt) { return rpt.GetIntParam(kRangeLast); }
inline bool IsReset(const tEcrFnct& rpt) { return rpt.GetIntParam(kResetMode) == kResetValue; }
inline int SubRptMask(const tEcrFnct& rpt) { return rpt.GetIntParam(kSubRpts) & 0xFF; }

inline void SetRange(tEcrFnct& rpt, int first, int last) {
  rpt.SetIntParam(kRangeFirst, first);
  rpt.SetIntParam(kRangeLast, last);
}
} // namespace CrsRptParams
