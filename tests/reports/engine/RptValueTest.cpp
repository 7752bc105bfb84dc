#include "reports/engine/RptValue.h"

#include <gtest/gtest.h>

TEST(RptValueTest, NumbersAndNulls) {
  struct Case {
    const char* name;
    RptValue value;
    double number;
    bool truth;
    QString text;
  };
  const Case cases[] = {
      {"null", RptValue(), 0, false, ""},
      {"integer", RptValue::Integer(-7), -7, true, "-7"},
      {"money rounds to four decimals", RptValue::Money(1.23456), 1.2346, true, "1.2346"},
      {"negative money rounds away from zero", RptValue::Money(-0.00005), -0.0001, true, "-0.0001"},
      {"float", RptValue::Float(0.25), 0.25, true, "0.25"},
      {"zero float is false", RptValue::Float(0), 0, false, "0"},
      {"text is no number", RptValue::Text("12"), 0, true, "12"},
      {"boolean", RptValue::Boolean(true), 1, true, "True"},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(c.value.ToDouble(), c.number) << c.name;
    EXPECT_EQ(c.value.ToBool(), c.truth) << c.name;
    EXPECT_EQ(c.value.ToText(), c.text) << c.name;
  }
  EXPECT_TRUE((RptValue() + RptValue()).IsNull());
  EXPECT_EQ(RptValue() + RptValue::Money(2), RptValue::Money(2));
  EXPECT_EQ(RptValue::Integer(3).ToMoney(), RptMoney{30000});
  EXPECT_FALSE(RptValue::Integer(0) == RptValue::Money(0));  // the kind is part of the value
  EXPECT_FALSE(RptValue().ToVariant().isValid());
  EXPECT_EQ(RptValue::Money(1.5).ToVariant(), QVariant(1.5));
}
