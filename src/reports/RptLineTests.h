#pragma once
// Whether a line of a line-chain form prints, by its test (RptLineTest) on the current row of
// its fields. An empty field counts as 0, except under the value test, where it prints.
#include "reports/RptLineSpec.h"

#include <optional>

class RptRowSource;

namespace RptLineTests {
// A field there and not 0.
bool PresentNotZero(const RptRowSource& row, const QString& field);
// gate: the print-control flag of a Gated line; nullopt when the register has no
// print-control program, and the line then takes the pair test alone.
bool Prints(const RptLineSpec& line, const RptRowSource& row, bool zeroSkip, std::optional<bool> gate = std::nullopt);
} // namespace RptLineTests
