#pragma once
// The regional settings every entry field reads: decimal and thousands characters, currency
// texts, the one-letter answers, and the date and time layouts its masks are built from.
#include <QChar>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class TWdgIntlSup {
public:
  // Named regional values in the keys of an [intl] section ("sDecimal", "sThousand",
  // "sCurrency", "iCurrency", "sShortDate", "sTimeFormat", ...). A missing or empty value
  // takes the fixed default.
  using Source = QHash<QString, QString>;

  // The fixed defaults: the C conventions, "." and ",", "$", MM/dd/yy, a 24-hour clock.
  TWdgIntlSup();
  // Month and weekday names come from `names`. The current year and month, the defaults of
  // a date text without them, are taken from the clock once, here.
  explicit TWdgIntlSup(const Source& source, const QLocale& names = QLocale::c());
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

  // The texts of the long date picture's quoted literals, shown in its "f", "g", "h" runs.
  const QString& Literal(int index) const { return literals_.at(index); }

  // Dates and times as texts laid out by a picture ("mm/dd/yy", "Hh:mm tt"). A text whose
  // length differs from its picture's is no date or time.
  bool DateTextToDMY(const QString& picture, const QString& text, int epoch, int& day, int& month,
                     int& year) const;
  int32_t DateTextToDayNumber(const QString& picture, const QString& text, int epoch) const;
  // With `pack`, the blanks of blank-padded places are left out.
  QString DayNumberToDateText(const QString& picture, int32_t dayNumber, bool pack) const;
  QString DMYToDateText(const QString& picture, int day, int month, int year, int epoch, bool pack) const;
  bool TimeTextToHMS(const QString& picture, const QString& text, int& hours, int& minutes, int& secs) const;
  int32_t TimeTextToSeconds(const QString& picture, const QString& text) const;
  QString SecondsToTimeText(const QString& picture, int32_t seconds, bool pack) const;
  static QString PackDateTimeText(const QString& picture, const QString& text);
  // 1..12 for a month name, compared in upper case over `length` places; 0 for none.
  int MonthFromName(const QString& text, int length) const;

private:
  void ReworkLongDatePicture();
  int ReadSubfield(const QString& picture, const QString& text, char letter, int absent, int empty) const;
  void MergeIntoPicture(const QString& picture, QString& text, char letter, int value) const;
  void FillLiterals(const QString& picture, QString& text) const;

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
  std::array<QString, 3> literals_;
  QStringList monthNames_;  // January first
  QStringList dayNames_;    // Sunday first
  int currentYear_ = 0;
  int currentMonth_ = 0;
};

// The one set of regional settings of the program: the fixed defaults, so that numbers read
// and show the same on every machine.
const TWdgIntlSup& RegionalSettings();
