#include "reports/engine/RptPictureMask.h"

#include "reports/engine/RptNumberText.h"

#include <cmath>

RptPictureMask::RptPictureMask(const QString& mask) : mask_(mask) {
  bool afterPoint = false;
  int firstRequiredWhole = -1;
  for (const QChar c : mask) {
    if (c == u',') {
      grouping_ = true;
    } else if (c == u'.' && !afterPoint) {
      afterPoint = true;
      tokens_.push_back({Kind::Point, c});
    } else if (c == u'#' || c == u'0') {
      if (afterPoint) {
        ++fractionPlaces_;
        if (c == u'0') requiredFraction_ = fractionPlaces_;
        tokens_.push_back({Kind::FractionDigit, c});
      } else {
        if (c == u'0' && firstRequiredWhole < 0) firstRequiredWhole = wholePlaces_;
        ++wholePlaces_;
        tokens_.push_back({Kind::WholeDigit, c});
      }
    } else {
      tokens_.push_back({Kind::Literal, c});
    }
  }
  // A "0" makes its own place and every place to its right required.
  requiredWhole_ = firstRequiredWhole < 0 ? 0 : wholePlaces_ - firstRequiredWhole;
}

// The digit of one place (0 = units) followed by a group separator where one belongs.
QString RptPictureMask::WholeDigits(const QString& digits, int place, const RptLocale& locale) const {
  if (place >= digits.size()) return QString();
  QString text(digits[digits.size() - 1 - place]);
  if (grouping_ && place > 0 && place % 3 == 0) text += locale.groupSeparator;
  return text;
}

QString RptPictureMask::Format(double value, const RptLocale& locale) const {
  if (mask_.isEmpty() || !std::isfinite(value)) return RptNumberText::Shortest(value, locale);
  return Format(RptDecimal(value), locale);
}

QString RptPictureMask::Format(RptDecimal number, const RptLocale& locale) const {
  if (mask_.isEmpty()) {
    const QString whole = number.Whole().isEmpty() ? QStringLiteral("0") : number.Whole();
    const QString sign = number.Negative() ? QStringLiteral("-") : QString();
    return sign + whole + (number.Fraction().isEmpty() ? QString() : locale.decimalSeparator + number.Fraction());
  }
  number.RoundHalfAwayFromZero(fractionPlaces_);
  QString fraction = number.Fraction();
  fraction += QString(std::max<qsizetype>(0, requiredFraction_ - fraction.size()), u'0');
  QString whole = number.Whole();
  whole.prepend(QString(std::max<qsizetype>(0, requiredWhole_ - whole.size()), u'0'));

  QString text;
  if (number.Negative()) text += u'-';
  int wholeIndex = 0;
  int fractionIndex = 0;
  for (const Token& token : tokens_) {
    switch (token.kind) {
    case Kind::Literal: text += token.literal; break;
    case Kind::WholeDigit: {
      const int place = wholePlaces_ - 1 - wholeIndex++;
      if (wholeIndex == 1)
        for (int extra = int(whole.size()) - 1; extra > place; --extra) text += WholeDigits(whole, extra, locale);
      text += WholeDigits(whole, place, locale);
      break;
    }
    case Kind::Point:
      // A picture without whole places still shows the whole digits, in front of the point.
      if (wholePlaces_ == 0)
        for (int place = int(whole.size()) - 1; place >= 0; --place) text += WholeDigits(whole, place, locale);
      if (!fraction.isEmpty()) text += locale.decimalSeparator;
      break;
    case Kind::FractionDigit:
      if (fractionIndex < fraction.size()) text += fraction[fractionIndex];
      ++fractionIndex;
      break;
    }
  }
  return text;
}

QString RptPictureMask::Format(const QString& mask, double value, const RptLocale& locale) {
  return RptPictureMask(mask).Format(value, locale);
}
