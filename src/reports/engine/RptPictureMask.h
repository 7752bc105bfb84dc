#pragma once
// A number picture as report fields carry it: "#" an optional digit, "0" a required digit,
// "," anywhere turns on grouping (the comma itself is not printed), the first "." is the
// decimal point, every other character is printed as it stands ("$###,###,###.00",
// "####.0%", "0.00%"). The value is rounded half away from zero at the picture's last
// decimal place. Digits beyond the picture's places are all printed at its first digit
// place. A negative value gets "-" in front of the whole text ("-$5.00"), unless it rounds
// to zero. An empty picture prints the shortest form of the number.
#include "reports/engine/RptDecimal.h"
#include "reports/engine/RptLocale.h"

#include <QString>
#include <vector>

class RptPictureMask {
public:
  explicit RptPictureMask(const QString& mask);

  QString Format(double value, const RptLocale& locale) const;
  // An exact decimal, such as money kept in ten-thousandths; an empty picture prints all
  // its digits.
  QString Format(RptDecimal number, const RptLocale& locale) const;
  static QString Format(const QString& mask, double value, const RptLocale& locale);

private:
  enum class Kind { Literal, WholeDigit, Point, FractionDigit };
  struct Token {
    Kind kind;
    QChar literal;
  };

  QString WholeDigits(const QString& digits, int place, const RptLocale& locale) const;

  QString mask_;
  std::vector<Token> tokens_;
  bool grouping_ = false;
  int wholePlaces_ = 0;
  int requiredWhole_ = 0;
  int fractionPlaces_ = 0;
  int requiredFraction_ = 0;
};
