#include "reports/engine/RptFormat.h"
#include "reports/engine/RptLocale.h"

#include <gtest/gtest.h>

namespace {
// Puts the process's default Qt locale back when a test has changed it.
class DefaultQLocale {
public:
  explicit DefaultQLocale(const QLocale& locale) : saved_(QLocale()) { QLocale::setDefault(locale); }
  ~DefaultQLocale() { QLocale::setDefault(saved_); }

private:
  QLocale saved_;
};

// Puts the report locale back when a test has changed it.
class ReportLocale {
public:
  explicit ReportLocale(const RptLocale& locale) : saved_(RptLocale::Report()) { RptLocale::SetReport(locale); }
  ~ReportLocale() { RptLocale::SetReport(saved_); }

private:
  RptLocale saved_;
};

TEST(RptLocale, ReportsDoNotFollowTheProcessLocale) {
  const DefaultQLocale german(QLocale(QLocale::German, QLocale::Germany));
  const RptFormat format;
  EXPECT_EQ(format.Currency(-1234.5), QStringLiteral("($1,234.50)"));
  EXPECT_EQ(format.Shortest(1234.5), QStringLiteral("1234.5"));
  EXPECT_EQ(format.ShortDate(QDate(2024, 1, 5)), QStringLiteral("1/5/2024"));
  EXPECT_EQ(format.LongTime(QTime(14, 0)), QStringLiteral("2:00:00 PM"));
  EXPECT_EQ(RptLocale::Report(), RptLocale::UnitedStates());
}

TEST(RptLocale, AFormatterKeepsTheLocaleItWasMadeWith) {
  RptLocale comma = RptLocale::UnitedStates();
  comma.decimalSeparator = u',';
  const RptFormat before;
  const ReportLocale pinned(comma);
  const RptFormat after;
  EXPECT_EQ(before.Fixed2(1.5), QStringLiteral("1.50"));
  EXPECT_EQ(after.Fixed2(1.5), QStringLiteral("1,50"));
}

TEST(RptLocale, UnitedStatesFromQtMatchesThePinnedDefaults) {
  const RptLocale fromQt = RptLocale::FromQLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(fromQt, RptLocale::UnitedStates());
}

TEST(RptLocale, SeededFromAnotherQtLocale) {
  const RptLocale german = RptLocale::FromQLocale(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(german.decimalSeparator, QChar(u','));
  EXPECT_EQ(german.groupSeparator, QChar(u'.'));
  EXPECT_EQ(german.currencySymbol, QStringLiteral("€"));
  EXPECT_EQ(german.currencyForm, 3);
  EXPECT_EQ(german.negativeCurrencyForm, 8);
  EXPECT_EQ(german.shortDateFormat, QStringLiteral("dd.MM.yyyy"));
  EXPECT_FALSE(german.twelveHourClock);
  const RptFormat format(german);
  EXPECT_EQ(format.Currency(-1234.5), QStringLiteral("-1.234,50 €"));
  EXPECT_EQ(format.Masked(1234.5, RptFormat::Kind::Money, QStringLiteral("$###,###,###.00")),
            QStringLiteral("$1.234,50"));
  EXPECT_EQ(format.LongTime(QTime(14, 5, 9)), QStringLiteral("14:05:09"));
}
} // namespace

namespace {
TEST(RptLocale, SettingsOverrideSingleFields) {
  const QHash<QString, QString> settings{{QStringLiteral("iNegCurr"), QStringLiteral("1")},
                                         {QStringLiteral("sCurrency"), QStringLiteral("US$")},
                                         {QStringLiteral("sShortDate"), QStringLiteral("MM/dd/yyyy")},
                                         {QStringLiteral("sTimeFormat"), QStringLiteral("HH:mm:ss")},
                                         {QStringLiteral("sThousand"), QString()}};
  const RptFormat format(RptLocale::UnitedStates().WithSettings(settings));
  EXPECT_EQ(format.Currency(-1234.5), QStringLiteral("-US$1,234.50"));
  EXPECT_EQ(format.ShortDate(QDate(2024, 1, 5)), QStringLiteral("01/05/2024"));
  EXPECT_EQ(format.LongTime(QTime(14, 5, 9)), QStringLiteral("14:05:09"));
}

TEST(RptLocale, UnreadableSettingsLeaveTheFieldAlone) {
  const QHash<QString, QString> settings{{QStringLiteral("iNegCurr"), QStringLiteral("16")},
                                         {QStringLiteral("iCurrency"), QStringLiteral("x")},
                                         {QStringLiteral("iCurrDigits"), QStringLiteral("-1")},
                                         {QStringLiteral("sDecimal"), QString()}};
  EXPECT_EQ(RptLocale::UnitedStates().WithSettings(settings), RptLocale::UnitedStates());
}
} // namespace
