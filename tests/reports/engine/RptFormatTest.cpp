#include "reports/engine/RptFormat.h"

#include "platform/sys/TDateTime.h"

#include <gtest/gtest.h>

namespace {
using Kind = RptFormat::Kind;

TEST(RptFormat, NullPrintsNothingWhateverTheKindOrPicture) {
  const RptFormat format(RptLocale::UnitedStates());
  for (const Kind kind : {Kind::Integer, Kind::Money, Kind::Float, Kind::Date, Kind::Time, Kind::DateTime,
                          Kind::Boolean, Kind::Text}) {
    EXPECT_EQ(format.Display(QVariant(), kind), QString()) << int(kind);
    EXPECT_EQ(format.Display(QVariant(QMetaType(QMetaType::Double)), kind), QString()) << int(kind);
    EXPECT_EQ(format.Masked(QVariant(), kind, QStringLiteral("$###,###,###.00")), QString()) << int(kind);
  }
}

TEST(RptFormat, DefaultDisplayOfEachKind) {
  const RptFormat format(RptLocale::UnitedStates());
  const double day = TDateTime::FromDate(QDate(2024, 6, 30)).Days();
  const struct {
    QVariant value;
    Kind kind;
    const char* expected;
  } cases[] = {{qlonglong(-42), Kind::Integer, "-42"},
               {0.0, Kind::Money, "$0.00"},
               {-5.0, Kind::Money, "($5.00)"},
               {1234.5, Kind::Float, "1234.5"},
               {0.25, Kind::Float, "0.25"},
               {true, Kind::Boolean, "True"},
               {false, Kind::Boolean, "False"},
               {QStringLiteral("FISH, FRIED"), Kind::Text, "FISH, FRIED"},
               {day, Kind::Date, "6/30/2024"},
               {day + 0.5, Kind::Date, "6/30/2024"},
               {0.5, Kind::Time, "12:00:00 PM"},
               {QTime(0, 0), Kind::Time, "12:00:00 AM"},
               {day, Kind::DateTime, "6/30/2024"},
               {day + 14.0 / 24, Kind::DateTime, "6/30/2024 2:00:00 PM"},
               {QDate(2024, 6, 30), Kind::DateTime, "6/30/2024"},
               {QDateTime(QDate(2024, 6, 30), QTime(9, 1, 2)), Kind::DateTime, "6/30/2024 9:01:02 AM"}};
  for (const auto& c : cases)
    EXPECT_EQ(format.Display(c.value, c.kind).toStdString(), c.expected) << c.value.toString().toStdString();
}

TEST(RptFormat, APictureAppliesToNumbersOnly) {
  const RptFormat format(RptLocale::UnitedStates());
  const QString money = QStringLiteral("$###,###,###.00");
  EXPECT_EQ(format.Masked(0.0, Kind::Money, money), QStringLiteral("$.00"));
  EXPECT_EQ(format.Masked(qlonglong(7), Kind::Integer, QStringLiteral("##")), QStringLiteral("7"));
  EXPECT_EQ(format.Masked(0.0, Kind::Money, QString()), QStringLiteral("$0.00"));
  EXPECT_EQ(format.Masked(QStringLiteral("12"), Kind::Text, money), QStringLiteral("12"));
  EXPECT_EQ(format.Masked(0.5, Kind::Time, money), QStringLiteral("12:00:00 PM"));
}
} // namespace
