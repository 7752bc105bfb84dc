#pragma once
// The regional conventions a report prints with: separators, the currency text and its
// positive and negative forms, the short date, the long time, the texts of booleans.
// A report is formatted with one pinned RptLocale; nothing here reads the process's locale
// unless a caller asks for it with FromQLocale.
#include <QChar>
#include <QHash>
#include <QLocale>
#include <QString>

struct RptLocale {
  QChar decimalSeparator = u'.';
  QChar groupSeparator = u',';
  QString currencySymbol = QStringLiteral("$");
  // Where the symbol goes: 0 "$1.1", 1 "1.1$", 2 "$ 1.1", 3 "1.1 $".
  int currencyForm = 0;
  // The sixteen negative forms, 0 "($1.1)" to 15 "(1.1 $)" (see CurrencyPattern in the .cpp).
  int negativeCurrencyForm = 0;
  int currencyDecimals = 2;
  // A date layout in QDate::toString's letters.
  QString shortDateFormat = QStringLiteral("M/d/yyyy");
  bool twelveHourClock = true;
  QChar timeSeparator = u':';
  QString amText = QStringLiteral("AM");
  QString pmText = QStringLiteral("PM");
  QString trueText = QStringLiteral("True");
  QString falseText = QStringLiteral("False");

  // United States conventions with the register back office's long-standing defaults:
  // "$1,234.50", "($1,234.50)", 6/30/2024, 2:05:09 PM.
  static RptLocale UnitedStates();
  // Separators, currency, date, time and AM/PM texts of a Qt locale. A two-digit year is
  // widened to four digits; currency forms Qt has no equivalent for fall back to "-$1.1".
  static RptLocale FromQLocale(const QLocale& locale);

  // This locale with the values an [intl] settings section names, in its keys: "sDecimal",
  // "sThousand", "sCurrency", "iCurrency", "iNegCurr", "iCurrDigits", "sShortDate" (a date
  // picture such as "M/d/yyyy"), "sTimeFormat" (twelve-hour when it holds "t"), "sTime",
  // "s1159" and "s2359". A missing, empty or unreadable value leaves the field as it is.
  RptLocale WithSettings(const QHash<QString, QString>& values) const;

  // The locale reports format with unless they are given one: UnitedStates() until the
  // program sets another, once, at start.
  static const RptLocale& Report();
  static void SetReport(const RptLocale& locale);

  friend bool operator==(const RptLocale&, const RptLocale&) = default;
};
