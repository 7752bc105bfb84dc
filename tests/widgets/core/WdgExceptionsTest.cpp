#include "widgets/core/WdgExceptions.h"

#include <gtest/gtest.h>

namespace {
struct RangeCase {
  TWdgDataSubtype subtype;
  const char* message;
};

TEST(WdgExceptions, RangeMessagePerSubtype) {
  using T = TWdgDataSubtype;
  const RangeCase cases[] = {
      {T::LongInt, "Invalid range. Enter a value between (-2147483648) and (2147483647)"},
      {T::Word, "Invalid range. Enter a value between (0) and (65535)"},
      {T::SmallInt, "Invalid range. Enter a value between (-32768) and (32767)"},
      {T::Byte, "Invalid range. Enter a value between (0) and (255)"},
      {T::ShortInt, "Invalid range. Enter a value between (-128) and (127)"},
      {T::Real, "Invalid range. Enter a value between (-1.7e+38) and (+1.7e+38)"},
      {T::Extended, "Invalid range. Enter a value between (-1.1e+4932) and (+1.1e+4932)"},
      {T::Double, "Invalid range. Enter a value between (-1.7e+308) and (+1.7e+308)"},
      {T::Single, "Invalid range. Enter a value between (-3.4e+38) and (+3.4e+38)"},
      {T::Comp, "Invalid range. Enter a value between (-9.2e+18) and (+9.2e+18)"},
      {T::Date, "Invalid date range. Enter a value using 'mm/dd/yyyy' as the format"},
      {T::Time, "Invalid time range. Enter a value using 'Hh:mm' as the format"},
      {T::String, "Invalid range value"},
      {T::Char, "Invalid range value"},
      {T::Boolean, "Invalid range value"},
      {T::YesNo, "Invalid range value"},
  };
  for (const auto& c : cases) {
    const EInvalidRangeValue error(c.subtype);
    EXPECT_EQ(error.Message(), QString::fromUtf8(c.message)) << int(c.subtype);
  }
}

TEST(WdgExceptions, FixedTextsAndFamilies) {
  const ENoControllerAssigned noController;
  EXPECT_EQ(noController.Message(), QStringLiteral("No Controller assigned"));
  EXPECT_STREQ(noController.ClassName(), "ENoControllerAssigned");
  EXPECT_NE(dynamic_cast<const EControllerError*>(&noController), nullptr);

  try {
    throw EDuplicateCommand();
  } catch (const ECmdProcessorError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Duplicate command found while adding a new command to the table"));
    EXPECT_STREQ(e.ClassName(), "EDuplicateCommand");
  }
  try {
    throw ESAEOutOfBounds();
  } catch (const ESparseArrayError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Index is out of bounds for sparse array"));
  }
  try {
    throw EInvalidDataType();
  } catch (const EWdgException& e) {
    EXPECT_EQ(ExceptionMessage(e), QStringLiteral("Invalid data type for this field"));
  }
  EXPECT_EQ(ETableNotFound().Message(),
            QStringLiteral("Command table not found or command table index out of range"));
  EXPECT_EQ(ENoTimersAvailable().Message(), QStringLiteral("No Window's timers are available"));
  EXPECT_EQ(ESAEAtMaxSize().Message(), QStringLiteral("Sparse array is at the maximum size"));
}

TEST(WdgExceptions, PictureMaskMessageHoldsTheMask) {
  const EInvalidPictureMask error(QStringLiteral("99%d"));
  EXPECT_EQ(error.Message(), QStringLiteral("Invalid picture mask: 99%d"));
  EXPECT_NE(dynamic_cast<const EEntryFieldError*>(&error), nullptr);
}
} // namespace
