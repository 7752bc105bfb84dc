#include "widgets/core/WdgMisc.h"

#include <gtest/gtest.h>

namespace {
struct FixCase {
  const char* text;
  char decimal;
  const char* expected;
};

TEST(WdgMisc, FixRealString) {
  const FixCase cases[] = {
      {"", '.', "0"},
      {"   ", '.', "0"},
      {" 12.5 ", '.', "12.5"},
      {"12", '.', "12"},
      {"12.", '.', "12"},
      {".5", '.', "0.5"},
      {"-.5", '.', "-0.5"},
      {"-,5", ',', "-0.5"},
      {"12,   ", ',', "12"},
      {"12,5", ',', "12.5"},
      {"12 , 5", ',', "12.5"},
      // The decimal character is converted also where it stands first.
      {",5", ',', "0.5"},
      {"1,5E3", ',', "1.500000E3"},
      {"1E3", '.', "1.00000E3"},
      {"1.234567890123E3", '.', "1.234567890123E3"},
  };
  for (const auto& c : cases) {
    QString text = QString::fromUtf8(c.text);
    FixRealString(text, QLatin1Char(c.decimal));
    EXPECT_EQ(text, QString::fromUtf8(c.expected)) << c.text;
  }
}
} // namespace

#include "platform/sys/Clock.h"
#include "widgets/core/WdgControlErrors.h"

#include <QObject>

namespace {
TEST(WdgMisc, SmallerOfAndLargerOf) {
  const int cases[][4] = {{3, 5, 3, 5}, {5, 3, 3, 5}, {-2, -7, -7, -2}, {4, 4, 4, 4}};
  for (const auto& c : cases) {
    EXPECT_EQ(SmallerOf(c[0], c[1]), c[2]) << c[0] << "," << c[1];
    EXPECT_EQ(LargerOf(c[0], c[1]), c[3]) << c[0] << "," << c[1];
  }
}

TEST(WdgMisc, CurrentCenturyDropsTheYearsLastTwoDigits) {
  const std::pair<QDate, int> cases[] = {
      {QDate(1999, 12, 31), 1900}, {QDate(2000, 1, 1), 2000}, {QDate(2026, 12, 11), 2000}, {QDate(2100, 3, 1), 2100}};
  for (const auto& [date, century] : cases) {
    FakeClock clock(QDateTime(date, QTime(23, 59)));
    ScopedClock scoped(clock);
    EXPECT_EQ(CurrentCentury(), century) << date.year();
  }
}

struct MarginCase {
  int system, font;
  TWdgBorderStyle border;
  int height;
  bool ctl3D;
  int expected;
};

TEST(WdgMisc, TopTextMarginTruncatesItsHalvesTowardZero) {
  using B = TWdgBorderStyle;
  const MarginCase cases[] = {
      {16, 13, B::None, 20, false, 0},   // room to spare
      {16, 13, B::None, 15, false, 0},   // (15-13-2)/2 - 0
      {16, 13, B::None, 14, false, -1},  // (-1)/2 is 0, less the odd 1
      {13, 16, B::None, 14, false, -1},  // the smaller font counts
      {16, 13, B::None, 10, true, -3},   // (-5)/2 is -2, less the odd 1
      {16, 13, B::Single, 20, true, 1},  // room to spare
      {16, 13, B::Single, 16, true, -1}, // (-1)/2 is 0, less 1
      {16, 13, B::Single, 16, false, -1},
      {16, 13, B::Single, 17, false, 0}, // (0)/2, even
      {16, 13, B::Single, 11, true, -4}, // (-6)/2 - 1
      {16, 13, B::Single, 12, false, -3}, // (-5)/2 is -2, less the odd 1
  };
  for (const auto& c : cases)
    EXPECT_EQ(TopTextMargin(c.system, c.font, c.border, c.height, c.ctl3D), c.expected)
        << c.system << " " << c.font << " " << int(c.border) << " " << c.height << " " << c.ctl3D;
}

// A form holding objects of the given names, some of them inside a panel.
struct NamedForm {
  QObject form;
  explicit NamedForm(std::initializer_list<const char*> names) {
    auto* panel = new QObject(&form);
    bool nested = false;
    for (const char* name : names) {
      auto* object = new QObject(nested ? panel : &form);
      object->setObjectName(QString::fromUtf8(name));
      nested = !nested;
    }
  }
};

TEST(WdgMisc, UniqueComponentNameTakesTheFirstFreeNumber) {
  const struct {
    std::initializer_list<const char*> names;
    const char* base;
    const char* expected;
  } cases[] = {
      {{}, "Edit", "Edit1"},
      {{"Edit1"}, "Edit", "Edit2"},
      {{"Other", "Edit1"}, "Edit", "Edit2"}, // found inside the panel too
      {{"EDIT1", "edit2"}, "Edit", "Edit3"}, // names match without regard to case
      {{"Edit1", "Edit3"}, "Edit", "Edit2"},
      {{"Edit"}, "Edit", "Edit1"},
      {{"_x1"}, "_x", "_x2"},
  };
  for (const auto& c : cases) {
    NamedForm form(c.names);
    EXPECT_EQ(UniqueComponentName(&form.form, QString::fromUtf8(c.base)), QString::fromUtf8(c.expected))
        << c.base;
  }
}

TEST(WdgMisc, UniqueComponentNameRefusesABaseThatIsNoIdentifier) {
  QObject form;
  for (const char* base : {"", "1Edit", "my edit", "Ed-it", "\xC3\x9C" "ber"}) {
    try {
      UniqueComponentName(&form, QString::fromUtf8(base));
      ADD_FAILURE() << base;
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("''%1'' is not a valid component name").arg(QString::fromUtf8(base)));
    }
  }
}
} // namespace
