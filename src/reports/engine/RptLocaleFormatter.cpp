#include "reports/engine/RptLocaleFormatter.h"

#include "reports/engine/RptDecimal.h"
#include "reports/engine/RptFormat.h"
#include "reports/engine/RptNumberText.h"
#include "reports/engine/RptPictureMask.h"

namespace {
RptFormat::Kind FormatKind(RptValueKind kind) {
  switch (kind) {
  case RptValueKind::Integer: return RptFormat::Kind::Integer;
  case RptValueKind::Money: return RptFormat::Kind::Money;
  case RptValueKind::Float: return RptFormat::Kind::Float;
  case RptValueKind::Date: return RptFormat::Kind::Date;
  case RptValueKind::Time: return RptFormat::Kind::Time;
  case RptValueKind::DateTime: return RptFormat::Kind::DateTime;
  case RptValueKind::Boolean: return RptFormat::Kind::Boolean;
  case RptValueKind::Null:
  case RptValueKind::Text: break;
  }
  return RptFormat::Kind::Text;
}

QString MoneyText(const RptValue& value, const QString& mask, const RptLocale& locale) {
  const RptDecimal exact = RptDecimal::FromUnits(value.ToMoney().units, 4);
  if (mask.isEmpty()) return RptNumberText::Currency(exact, locale);
  return RptPictureMask(mask).Format(exact, locale);
}
} // namespace

RptFormatter RptLocaleFormatter(const RptLocale& locale) {
  return [format = RptFormat(locale)](const RptValue& value, const QString& mask) {
    if (value.IsNull()) return QString();
    if (value.Kind() == RptValueKind::Money) return MoneyText(value, mask, format.Locale());
    const RptFormat::Kind kind = FormatKind(value.Kind());
    return mask.isEmpty() ? format.Display(value.ToVariant(), kind)
                          : format.Masked(value.ToVariant(), kind, mask);
  };
}
