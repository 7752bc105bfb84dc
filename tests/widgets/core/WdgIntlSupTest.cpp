#include "widgets/core/WdgIntlSup.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
TWdgIntlSup::Source Keys(std::initializer_list<std::pair<const char*, const char*>> pairs) {
  TWdgIntlSup::Source source;
  for (const auto& [key, value] : pairs) source.insert(QString::fromLatin1(key), QString::fromUtf8(value));
  return source;
}

TEST(WdgIntlSup, DefaultsAreTheCConventions) {
  const TWdgIntlSup& settings = RegionalSettings();
  EXPECT_EQ(settings.DecimalChar(), u'.');
  EXPECT_EQ(settings.CommaChar(), u',');
  EXPECT_EQ(settings.CurrencyLeft(), QStringLiteral("$"));
  EXPECT_EQ(settings.CurrencyRight(), QStringLiteral("$"));
  EXPECT_EQ(settings.CurrencyDigits(), 2);
  EXPECT_EQ(settings.SlashChar(), u'/');
  EXPECT_EQ(settings.TimeSepChar(), u':');
  const QChar answers[] = {settings.TrueChar(), settings.FalseChar(), settings.YesChar(), settings.NoChar()};
  EXPECT_EQ(QString(answers, 4), QStringLiteral("TFYN"));
  EXPECT_EQ(settings.ShortDatePicture(), QStringLiteral("MM/dd/yy"));
  EXPECT_EQ(settings.DateMask(true), QStringLiteral("mm/dd/yyyy"));
  EXPECT_EQ(settings.TimeMask(false), QStringLiteral("Hh:mm"));
}

TEST(WdgIntlSup, SameDecimalAndThousandsCharactersFallBack) {
  const TWdgIntlSup same(Keys({{"sDecimal", ","}, {"sThousand", ","}}));
  EXPECT_EQ(same.DecimalChar(), u'.');
  EXPECT_EQ(same.CommaChar(), u',');
  const TWdgIntlSup swapped(Keys({{"sDecimal", ","}, {"sThousand", "."}}));
  EXPECT_EQ(swapped.DecimalChar(), u',');
  EXPECT_EQ(swapped.CommaChar(), u'.');
}

TEST(WdgIntlSup, SettingsTakeFirstCharacterAndEmptyKeepsTheDefault) {
  const TWdgIntlSup settings(Keys({{"sDecimal", ""}, {"sThousand", "'x"}, {"sDate", "-"},
                                   {"sShortDate", "dd-MM-yyyy"}, {"iCurrDigits", "0"}}));
  EXPECT_EQ(settings.DecimalChar(), u'.');
  EXPECT_EQ(settings.CommaChar(), u'\'');
  EXPECT_EQ(settings.SlashChar(), u'-');
  EXPECT_EQ(settings.ShortDatePicture(), QStringLiteral("dd/MM/yyyy"));
  EXPECT_EQ(settings.CurrencyDigits(), 0);
}

TEST(WdgIntlSup, CurrencyFormPutsTheBlank) {
  const TWdgIntlSup blankAfter(Keys({{"sCurrency", "kr"}, {"iCurrency", "2"}}));
  EXPECT_EQ(blankAfter.CurrencyLeft(), QStringLiteral("kr "));
  EXPECT_EQ(blankAfter.CurrencyRight(), QStringLiteral("kr"));
  const TWdgIntlSup blankBefore(Keys({{"sCurrency", "kr"}, {"iCurrency", "3"}}));
  EXPECT_EQ(blankBefore.CurrencyLeft(), QStringLiteral("kr"));
  EXPECT_EQ(blankBefore.CurrencyRight(), QStringLiteral(" kr"));
}

struct MaskCase {
  const char* shortDate;
  bool forceCentury;
  const char* mask;
};

TEST(WdgIntlSup, DateMasks) {
  const MaskCase cases[] = {
      {"M/d/yy", false, "MM/DD/yy"},      {"MM/dd/yy", false, "mm/dd/yy"},
      {"d/M/yyyy", false, "DD/MM/yyyy"},  {"MM/dd/yy", true, "mm/dd/yyyy"},
      {"d.M.y", true, "DD/MM/yyyy"},      {"yyyy-MM-dd", false, "yyyy/mm/dd"},
      {"ddd MMM", false, "ddd MMM"},
  };
  for (const auto& c : cases) {
    const char* separator = QString::fromLatin1(c.shortDate).contains(u'.')   ? "."
                            : QString::fromLatin1(c.shortDate).contains(u'-') ? "-"
                                                                              : "/";
    const TWdgIntlSup settings(Keys({{"sShortDate", c.shortDate}, {"sDate", separator}}));
    EXPECT_EQ(settings.DateMask(c.forceCentury), QString::fromLatin1(c.mask)) << c.shortDate;
  }
}

TEST(WdgIntlSup, TimeMasks) {
  const TWdgIntlSup twelveHour(Keys({{"sTimeFormat", "h:mm:ss tt"}, {"s1159", "AM"}, {"s2359", "PM"}}));
  EXPECT_EQ(twelveHour.TimeMask(true), QStringLiteral("Hh:mm:ss tt"));
  EXPECT_EQ(twelveHour.TimeMask(false), QStringLiteral("Hh:mm tt"));
  const TWdgIntlSup longMarker(Keys({{"sTimeFormat", "h:mm AP"}, {"s1159", "a.m."}, {"s2359", "p"}}));
  EXPECT_EQ(longMarker.TimeMask(false), QStringLiteral("Hh:mm tttt"));
  const TWdgIntlSup leadingZero(Keys({{"sTimeFormat", "HH:mm:ss"}, {"iTLZero", "1"}}));
  EXPECT_EQ(leadingZero.TimeMask(true), QStringLiteral("hh:mm:ss"));
}

TEST(WdgIntlSup, LocaleGivesItsSeparators) {
  const TWdgIntlSup german(TWdgIntlSup::SourceOf(QLocale(QLocale::German, QLocale::Germany)));
  EXPECT_EQ(german.DecimalChar(), u',');
  EXPECT_EQ(german.CommaChar(), u'.');
  EXPECT_EQ(german.SlashChar(), u'.');
  const TWdgIntlSup c(TWdgIntlSup::SourceOf(QLocale::c()));
  EXPECT_EQ(c.DecimalChar(), u'.');
  EXPECT_EQ(c.CommaChar(), u',');
}
} // namespace
