#pragma once
// A typed value as a report element reads it: null, integer, money (exact, four decimals),
// float, date, time, date-time, boolean or text. The type chooses the default display; null
// prints nothing and counts as 0 in arithmetic.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <cstdint>
#include <variant>

enum class RptValueKind { Null, Integer, Money, Float, Date, Time, DateTime, Boolean, Text };

// Money in ten-thousandths, so that sums stay exact.
struct RptMoney {
  int64_t units = 0;
  static constexpr int64_t kUnitsPerOne = 10000;
  double ToDouble() const { return double(units) / kUnitsPerOne; }
  bool operator==(const RptMoney&) const = default;
};

class RptValue {
public:
  RptValue() = default;
  static RptValue Integer(int64_t value) { return RptValue(value); }
  // Rounded half away from zero to four decimals.
  static RptValue Money(double value);
  static RptValue MoneyUnits(int64_t units) { return RptValue(RptMoney{units}); }
  static RptValue Float(double value) { return RptValue(value); }
  static RptValue Date(const QDate& value) { return RptValue(value); }
  static RptValue Time(const QTime& value) { return RptValue(value); }
  static RptValue DateTime(const QDateTime& value) { return RptValue(value); }
  static RptValue Boolean(bool value) { return RptValue(value); }
  static RptValue Text(const QString& value) { return RptValue(value); }

  RptValueKind Kind() const { return RptValueKind(data_.index()); }
  bool IsNull() const { return Kind() == RptValueKind::Null; }
  // Integer, money and float; also null, which counts as 0.
  bool IsNumber() const;

  // Numbers as a double (null, and anything that is no number, as 0).
  double ToDouble() const;
  int64_t ToInteger() const;  // money and floats rounded half away from zero
  RptMoney ToMoney() const;
  QDate ToDate() const;
  QTime ToTime() const;
  QDateTime ToDateTime() const;
  bool ToBool() const;  // null and 0 are false
  QString ToText() const;  // the text; other kinds give a plain form for messages
  // As a variant for formatters that take one: qint64, double (money too), QDate, QTime,
  // QDateTime, bool or QString; null gives an invalid variant.
  QVariant ToVariant() const;

  // The sum of two numbers, keeping the widest kind: integer < money < float. A null
  // operand counts as 0; two nulls give null.
  friend RptValue operator+(const RptValue& a, const RptValue& b);
  bool operator==(const RptValue&) const = default;

private:
  using Data =
      std::variant<std::monostate, int64_t, RptMoney, double, QDate, QTime, QDateTime, bool, QString>;
  template <class T> explicit RptValue(T value) : data_(std::move(value)) {}
  Data data_;
};
