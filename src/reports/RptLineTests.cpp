#include "reports/RptLineTests.h"

#include "reports/engine/RptRowSource.h"

bool RptPresentNotZero(const RptValue& value) { return !value.IsNull() && value.ToDouble() != 0; }

bool RptAnyPresentNotZero(const RptRowSource& rows, const QStringList& fields) {
  for (const QString& field : fields)
    if (RptPresentNotZero(rows.Field(field))) return true;
  return false;
}

bool RptLineTests::PresentNotZero(const RptRowSource& row, const QString& field) {
  return RptPresentNotZero(row.Field(field));
}

namespace {
// The value test: an empty field is "not 0".
bool NotZero(const RptRowSource& row, const QString& field) {
  const RptValue value = row.Field(field);
  return value.IsNull() || value.ToDouble() != 0;
}

const QString& OneField(const RptLineSpec& line) { return line.count.isEmpty() ? line.total : line.count; }
} // namespace

bool RptLineTests::Prints(const RptLineSpec& line, const RptRowSource& row, bool zeroSkip, std::optional<bool> gate) {
  if (line.test == RptLineTest::Gated && gate && !*gate) return false;
  if (!zeroSkip) return true;
  switch (line.test) {
  case RptLineTest::Pair:
  case RptLineTest::Gated:
    return (!line.count.isEmpty() && PresentNotZero(row, line.count)) ||
           (!line.total.isEmpty() && PresentNotZero(row, line.total));
  case RptLineTest::Single:
    return PresentNotZero(row, OneField(line));
  case RptLineTest::Value:
    return NotZero(row, OneField(line));
  case RptLineTest::CountOnly:
    return PresentNotZero(row, line.count);
  case RptLineTest::TotalOnly:
    return PresentNotZero(row, line.total);
  case RptLineTest::ValueCount:
    return NotZero(row, line.count);
  case RptLineTest::Custom:
    break;
  }
  return true;
}
