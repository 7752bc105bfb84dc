#pragma once
// The regional settings every entry field reads: decimal and thousands characters, currency
// texts, the one-letter answers, and the date and time layouts its masks are built from.
#include <QChar>
#include <QHash>
#include <QString>

class QLocale;

class TWdgIntlSup {
public:
  // Named regional values in the keys of an [intl] section ("sDecimal", "sThousand",
  // "sCurrency", "iCurrency", "sShortDate", "sTimeFormat", ...). A missing or empty value
  // takes the fixed default.
  using Source = QHash<QString, QString>;

  // The fixed defaults: the C conventions, "." and ",", "$", MM/dd/yy, a 24-hour clock.
  TWdgIntlSup();
  explicit TWdgIntlSup(const Source& source);
  // The values a locale gives, in the keys of Source.
  static Source SourceOf(const QLocale& locale);

  const QString& CurrencyLeft() const { return currencyLeft_; }
  const QString& CurrencyRight() const { return currencyRight_; }
  QChar DecimalChar() const { return decimalChar_; }
  QChar CommaChar() const { return commaChar_; }
  int CurrencyDigits() const { return currencyDigits_; }
  QChar ListChar() const { return listChar_; }
  QChar SlashChar() const { return slashChar_; }
  QChar TrueChar() const { return trueChar_; }
  QChar FalseChar() const { return falseChar_; }
  QChar YesChar() const { return yesChar_; }
  QChar NoChar() const { return noChar_; }
  const QString& AMText() const { return amText_; }
  const QString& PMText() const { return pmText_; }
  QChar TimeSepChar() const { return timeSepChar_; }
  const QString& CountryName() const { return country_; }
  int CurrencyForm() const { return currencyForm_; }
  int NegativeCurrencyForm() const { return negCurrencyForm_; }
  const QString& LongDatePicture() const { return longDatePicture_; }
  const QString& ShortDatePicture() const { return shortDatePicture_; }
  bool LeadingZeroHours() const { return leadingZeroHours_; }
  bool TwelveHourClock() const { return twelveHour_; }

  // The date mask of an entry field: at least two places for day and month, two or (with
  // the century forced) four for the year.
  QString DateMask(bool forceCentury) const;
  QString TimeMask(bool showSeconds) const;

private:
  QString currencyLeft_ = QStringLiteral("$");
  QString currencyRight_ = QStringLiteral("$");
  QChar decimalChar_ = u'.';
  QChar commaChar_ = u',';
  int currencyDigits_ = 2;
  QChar listChar_ = u',';
  QChar slashChar_ = u'/';
  QChar trueChar_ = u'T';
  QChar falseChar_ = u'F';
  QChar yesChar_ = u'Y';
  QChar noChar_ = u'N';
  QString amText_ = QStringLiteral("AM");
  QString pmText_ = QStringLiteral("PM");
  QChar timeSepChar_ = u':';
  QString country_;
  int currencyForm_ = 0;
  int negCurrencyForm_ = 0;
  QString longDatePicture_ = QStringLiteral("dddd, MMMM dd, yyyy");
  QString shortDatePicture_ = QStringLiteral("MM/dd/yy");
  bool leadingZeroHours_ = false;
  bool twelveHour_ = false;
};

// The one set of regional settings of the program: the fixed defaults, so that numbers read
// and show the same on every machine.
const TWdgIntlSup& RegionalSettings();
