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
  // The total comes first; a value that cannot be read is stored as the column's overflow mark.
  const struct {
    const char* suffix;
    int skip, none, width, scale;
    qint64 unreadable;
  } parts[] = {{" Total", tfSkipTotal, tfNoTotal, totalWidth, totalScale, 999999999},
               {" Count", tfSkipCount, tfNoCount, countWidth, countScale, 999999}};
  for (const auto& part : parts) {
    if (!(flags & (part.skip | part.none))) {
      TField& field = table.FieldByName(flags & tfNoSuffix ? name : name + QLatin1String(part.suffix));
      try {
        StoreScaled(field, DecodeBcd(buffer, position, part.width, true), part.scale);
      } catch (const Exception&) {
        field.SetAsInteger(part.unreadable);
      }
    }
    if (!(flags & part.none)) position += part.width;
  }
}

void tEcrRptCrs3000::AddTotalizerDefs(QList<TFieldDef>& fields, const QString& name, int flags) {
  using namespace tTotalizerFlags;
  const auto column = [&](const char* suffix) { return flags & tfNoSuffix ? name : name + QLatin1String(suffix); };
  if (!(flags & (tfSkipCount | tfNoCount))) fields.append({column(" Count"), TFieldType::Long, 0});
  if (!(flags & (tfSkipTotal | tfNoTotal))) fields.append({column(" Total"), TFieldType::Money, 0});
}
