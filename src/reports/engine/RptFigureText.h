#pragma once
// The computed figures report forms print as text: a line's share of the sales in percent,
// amounts rounded to the cent with exact halves to the even cent, and average track times.
#include "reports/engine/RptLocale.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace RptFigureText {
// The share of `total` in `grandTotal`, cut (not rounded) after two decimals and without
// added zeros: 37.5%, 12.34%, 100%, 29% (29 of 100, though the double quotient is
// 28.999999999999996). A total of zero or below, or a share below 0.01, is "0%".
QString SharePercent(double total, double grandTotal, const RptLocale& locale);

// `amount` in whole cents, an exact half going to the even cent: 1.262625 is 126,
// 0.125 is 12, 0.135 is 14. Halves are judged on the amount's 15 significant digits.
int64_t CentsHalfEven(double amount);

// How an average time is laid out: 1:01:32 (minutes and seconds in two digits) or 1:1:32.
enum class TrackTimeStyle { Padded, Plain };
// The average of `totalSeconds` over `count`, cut to whole seconds, as hours:minutes:seconds
// (hours not limited to a day). A missing or zero time, or a missing or zero count that
// leaves no average, gives "0:00:00" in both styles.
QString TrackTime(std::optional<int64_t> totalSeconds, std::optional<int64_t> count, TrackTimeStyle style);
} // namespace RptFigureText
