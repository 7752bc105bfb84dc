#include "widgets/core/UlvaneNumber.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

namespace {
struct IntCase {
  const char* text;
  std::optional<qint32> value;
};

TEST(UlvaneNumber, ReadsOnlyWholeDecimalIntegers) {
  const IntCase cases[] = {
      {"0", 0},       {"12", 12},           {"-12", -12},           {"+7", 7},
      {"007", 7},     {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
      {"2147483648", {}}, {"", {}},         {"-", {}},              {"--5", {}},
      {"1.5", {}},    {"5.", {}},           {" 5", {}},             {"1e3", {}},
      {"0x1F", {}},   {"$12", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(UlvaneIntFromText(QString::fromLatin1(c.text)), c.value) << c.text;
}

struct FloatCase {
  const char* text;
  std::optional<double> value;
};

TEST(UlvaneNumber, ReadsDecimalNumbersWithAPointWhateverTheLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const FloatCase cases[] = {
      {"12.50", 12.5}, {"-.5", -0.5}, {"5.", 5.0},       {"99.", 99.0},  {"0", 0.0},
      {"1.7E+0308", 1.7e308},        {"-1.7E+0308", -1.7e308},          {"1e3", 1000.0},
      {".", {}},       {"-", {}},     {"--5", {}},       {"-.", {}},     {"1,5", {}},
      {"", {}},        {"1.2.3", {}}, {"abc", {}},       {"1e999", {}},  {"inf", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(UlvaneFloatFromText(QString::fromLatin1(c.text)), c.value) << c.text;
  QLocale::setDefault(before);
}

TEST(UlvaneNumber, WritesFifteenSignificantDigitsInTheGeneralFormat) {
  EXPECT_EQ(UlvaneFloatText(12.5), "12.5");
  EXPECT_EQ(UlvaneFloatText(123456), "123456");
  EXPECT_EQ(UlvaneFloatText(-0.25), "-0.25");
  EXPECT_EQ(UlvaneFloatText(0.1 + 0.2), "0.3");
  EXPECT_EQ(UlvaneFloatText(std::nan("")), std::nullopt);
  EXPECT_EQ(UlvaneFloatText(INFINITY), std::nullopt);
}
} // namespace
