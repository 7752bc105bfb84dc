#pragma once
// A double as the decimal number a report means by it: its digits at 15 significant places
// (so 28.999999999999996 is 29 and 2.675 is 2.675), then rounded or cut at a number of
// decimals in decimal, not in binary.
#include <QString>
#include <cstdint>

class RptDecimal {
public:
  // NaN and infinities are not numbers a report prints; callers test for them first.
  // `significantDigits` is kept within 1 to 17.
  explicit RptDecimal(double value, int significantDigits = 15);
  // An exact value kept as whole units of 10^-scale (money in ten-thousandths: scale 4).
  static RptDecimal FromUnits(int64_t units, int scale);

  bool Negative() const { return negative_; }
  bool IsZero() const { return whole_.isEmpty() && fraction_.isEmpty(); }
  // Digits before the point, without leading zeros ("" for a value below 1).
  const QString& Whole() const { return whole_; }
  // Digits after the point, without trailing zeros.
  const QString& Fraction() const { return fraction_; }
  // The decimal exponent of the first significant digit (1234.5: 3; 0.05: -2).
  int Exponent() const;

  // At most `decimals` digits after the point; a dropped 5 or more rounds away from zero.
  RptDecimal& RoundHalfAwayFromZero(int decimals);
  // As above, but an exact half rounds to the even digit.
  RptDecimal& RoundHalfEven(int decimals);
  // The digits after `decimals` are dropped.
  RptDecimal& Truncate(int decimals);
  // The value as a whole number; only for values rounded to no decimals and within range.
  int64_t ToInt64() const;

private:
  RptDecimal() = default;
  void RoundAt(int decimals, bool up);
  void Normalise();

  bool negative_ = false;
  QString whole_;
  QString fraction_;
};
