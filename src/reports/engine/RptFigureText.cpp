#include "reports/engine/RptFigureText.h"

#include "reports/engine/RptDecimal.h"

#include <cmath>

QString RptFigureText::SharePercent(double total, double grandTotal, const RptLocale& locale) {
  const QString none = QStringLiteral("0%");
  if (!(total > 0) || !(grandTotal > 0)) return none;
  RptDecimal share(total / grandTotal * 100);
  share.Truncate(2);
  if (share.IsZero()) return none;
  const QString whole = share.Whole().isEmpty() ? QStringLiteral("0") : share.Whole();
  const QString fraction = share.Fraction();
  return (fraction.isEmpty() ? whole : whole + locale.decimalSeparator + fraction) + QLatin1Char('%');
}

int64_t RptFigureText::CentsHalfEven(double amount) {
  RptDecimal cents(amount * 100);
  return cents.RoundHalfEven(0).ToInt64();
}

QString RptFigureText::TrackTime(std::optional<int64_t> totalSeconds, std::optional<int64_t> count,
                                 TrackTimeStyle style) {
  const QString none = QStringLiteral("0:00:00");
  if (!totalSeconds || *totalSeconds == 0 || !count || *count == 0) return none;
  const double average = std::trunc(double(*totalSeconds) / double(*count));
  const int64_t seconds = static_cast<int64_t>(std::fabs(average));
  const int width = style == TrackTimeStyle::Padded ? 2 : 1;
  return QStringLiteral("%1%2:%3:%4")
      .arg(average < 0 ? QStringLiteral("-") : QString())
      .arg(seconds / 3600)
      .arg(seconds / 60 % 60, width, 10, QLatin1Char('0'))
      .arg(seconds % 60, width, 10, QLatin1Char('0'));
}
