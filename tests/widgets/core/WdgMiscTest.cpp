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
