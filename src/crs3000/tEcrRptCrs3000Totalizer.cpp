// The totalisers of CRS 3000 report records: a money total followed by a count.
#include "crs3000/tEcrRptCrs3000.h"

#include "model/EConvertError.h"
#include "platform/engine/TTable.h"

namespace {
// Stores raw / scale; money to the cent without float drift.
void StoreScaled(TField& field, qint64 raw, int scale) {
  if (scale == 0) throw EConvertError(QStringLiteral("Division by zero"));
  if (field.DataType() == TFieldType::Money && scale == 100)
    field.SetAsMoney(raw);
  else if (raw % scale == 0)
    field.SetAsInteger(raw / scale);
  else
    field.SetAsFloat(double(raw) / scale);
}
} // namespace

void tEcrRptCrs3000::DecodeTotalizer(TTable& table, const TEcrBlock& buffer, int& position, const QString& name, int flags,
                                     int countWidth, int totalWidth, int countScale, int totalScale) {
  using namespace tTotalizerFlags;
  const auto column = [&](const char* suffix) { return flags & tfNoSuffix ? name : name + QLatin1String(suffix); };
  if (!(flags & (tfSkipTotal | tfNoTotal))) {
    TField& total = table.FieldByName(column(" Total"));
    try {
      StoreScaled(total, DecodeBcd(buffer, position, totalWidth, true), totalScale);
    } catch (const Exception&) {
      total.SetAsInteger(999999999);
    }
  }
  if (!(flags & tfNoTotal)) position += totalWidth;
  if (!(flags & (tfSkipCount | tfNoCount))) {
    TField& count = table.FieldByName(column(" Count"));
    try {
      StoreScaled(count, DecodeBcd(buffer, position, countWidth, true), countScale);
    } catch (const Exception&) {
      count.SetAsInteger(999999);
    }
  }
  if (!(flags & tfNoCount)) position += countWidth;
}

void tEcrRptCrs3000::AddTotalizerDefs(QList<TFieldDef>& fields, const QString& name, int flags) {
  using namespace tTotalizerFlags;
  const auto column = [&](const char* suffix) { return flags & tfNoSuffix ? name : name + QLatin1String(suffix); };
  if (!(flags & (tfSkipCount | tfNoCount))) fields.append({column(" Count"), TFieldType::Long, 0});
  if (!(flags & (tfSkipTotal | tfNoTotal))) fields.append({column(" Total"), TFieldType::Money, 0});
}
