#pragma once
// Whether a report line prints under zero skip. A figure counts when it is there and not 0.
// Line-chain forms test a line by its test kind (RptLineTest) on the current row of its
// fields, where an empty field counts as 0 except under the value test, where it prints;
// other forms print a line when any of its figures, tried in order, counts.
#include "reports/RptLineSpec.h"
#include "reports/engine/RptRowSource.h"

#include <QStringList>
#include <optional>

bool RptPresentNotZero(const RptValue& value);
bool RptAnyPresentNotZero(const RptRowSource& rows, const QStringList& fields);

namespace RptLineTests {
// A field there and not 0.
bool PresentNotZero(const RptRowSource& row, const QString& field);
// gate: the print-control flag of a Gated line; nullopt when the register has no
// print-control program, and the line then takes the pair test alone.
bool Prints(const RptLineSpec& line, const RptRowSource& row, bool zeroSkip, std::optional<bool> gate = std::nullopt);
} // namespace RptLineTests
