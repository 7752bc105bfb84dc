#include "reports/engine/RptValue.h"

#include <cmath>

RptValue RptValue::Money(double value) {
  return MoneyUnits(int64_t(std::llround(value * double(RptMoney::kUnitsPerOne))));
}

bool RptValue::IsNumber() const {
  switch (Kind()) {
  case RptValueKind::Null:
  case RptValueKind::Integer:
  case RptValueKind::Money:
  case RptValueKind::Float:
    return true;
  default:
    return false;
  }
}

double RptValue::ToDouble() const {
  switch (Kind()) {
  case RptValueKind::Integer:
    return double(std::get<int64_t>(data_));
  case RptValueKind::Money:
    return std::get<RptMoney>(data_).ToDouble();
  case RptValueKind::Float:
    return std::get<double>(data_);
  case RptValueKind::Boolean:
    return std::get<bool>(data_) ? 1 : 0;
  default:
    return 0;
  }
}

int64_t RptValue::ToInteger() const {
  if (Kind() == RptValueKind::Integer) return std::get<int64_t>(data_);
  return int64_t(std::llround(ToDouble()));
}

RptMoney RptValue::ToMoney() const {
  if (Kind() == RptValueKind::Money) return std::get<RptMoney>(data_);
  if (Kind() == RptValueKind::Integer) return RptMoney{std::get<int64_t>(data_) * RptMoney::kUnitsPerOne};
  return Money(ToDouble()).ToMoney();
}

QDate RptValue::ToDate() const {
  if (Kind() == RptValueKind::Date) return std::get<QDate>(data_);
  if (Kind() == RptValueKind::DateTime) return std::get<QDateTime>(data_).date();
  return {};
}

QTime RptValue::ToTime() const {
  if (Kind() == RptValueKind::Time) return std::get<QTime>(data_);
  if (Kind() == RptValueKind::DateTime) return std::get<QDateTime>(data_).time();
  return {};
}

QDateTime RptValue::ToDateTime() const {
  switch (Kind()) {
  case RptValueKind::DateTime:
    return std::get<QDateTime>(data_);
  case RptValueKind::Date:
    return QDateTime(std::get<QDate>(data_), QTime(0, 0));
  case RptValueKind::Time:
    return QDateTime(QDate(1899, 12, 30), std::get<QTime>(data_));
  default:
    return {};
  }
}

bool RptValue::ToBool() const {
  if (Kind() == RptValueKind::Boolean) return std::get<bool>(data_);
  if (Kind() == RptValueKind::Text) return !std::get<QString>(data_).isEmpty();
  return ToDouble() != 0;
}

QString RptValue::ToText() const {
  switch (Kind()) {
  case RptValueKind::Null:
    return {};
  case RptValueKind::Integer:
    return QString::number(std::get<int64_t>(data_));
  case RptValueKind::Money:
    return QString::number(ToDouble(), 'f', 4);
  case RptValueKind::Float:
    return QString::number(std::get<double>(data_), 'g', 15);
  case RptValueKind::Date:
    return std::get<QDate>(data_).toString(Qt::ISODate);
  case RptValueKind::Time:
    return std::get<QTime>(data_).toString(Qt::ISODate);
  case RptValueKind::DateTime:
    return std::get<QDateTime>(data_).toString(Qt::ISODate);
  case RptValueKind::Boolean:
    return std::get<bool>(data_) ? QStringLiteral("True") : QStringLiteral("False");
  case RptValueKind::Text:
    return std::get<QString>(data_);
  }
  return {};
}

QVariant RptValue::ToVariant() const {
  switch (Kind()) {
  case RptValueKind::Null:
    return {};
  case RptValueKind::Integer:
    return QVariant(qint64(std::get<int64_t>(data_)));
  case RptValueKind::Money:
  case RptValueKind::Float:
    return QVariant(ToDouble());
  case RptValueKind::Date:
    return QVariant(std::get<QDate>(data_));
  case RptValueKind::Time:
    return QVariant(std::get<QTime>(data_));
  case RptValueKind::DateTime:
    return QVariant(std::get<QDateTime>(data_));
  case RptValueKind::Boolean:
    return QVariant(std::get<bool>(data_));
  case RptValueKind::Text:
    return QVariant(std::get<QString>(data_));
  }
  return {};
}

RptValue operator+(const RptValue& a, const RptValue& b) {
  if (a.IsNull()) return b.IsNull() ? RptValue() : b + RptValue::Integer(0);
  if (b.IsNull()) return a + RptValue::Integer(0);
  const RptValueKind wide = std::max(a.Kind(), b.Kind());
  switch (wide) {
  case RptValueKind::Integer:
    return RptValue::Integer(a.ToInteger() + b.ToInteger());
  case RptValueKind::Money:
    return RptValue::MoneyUnits(a.ToMoney().units + b.ToMoney().units);
  default:
    return RptValue::Float(a.ToDouble() + b.ToDouble());
  }
}
