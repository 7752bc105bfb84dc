#include "widgets/core/UlvaneNumber.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

std::optional<qint32> UlvaneIntFromText(const QString& text) {
  static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
  if (!integer.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const qlonglong value = text.toLatin1().toLongLong(&ok, 10);
  if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
    return std::nullopt;
  return static_cast<qint32>(value);
}

std::optional<double> UlvaneFloatFromText(const QString& text) {
  static const QRegularExpression number(
      QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
  if (!number.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double value = text.toLatin1().toDouble(&ok); // QByteArray reads in the C locale
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<QString> UlvaneFloatText(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return QString::number(value, 'g', 15);
}
