// Records described as column tables: each coding decodes and encodes through the codecs,
// a column a variant lacks reads as empty, and a table whose places overlap or leave the
// record is refused when it is built.
#include "model/EcrErrors.h"
#include "model/EcrLayout.h"
#include "model/tEcrFnct.h"

#include <gtest/gtest.h>

namespace {
using C = EcrCoding;
using T = TFieldType;

TEcrBlock BlockWith(const QByteArray& bytes, int offset) {
  TEcrBlock block{};
  std::copy(bytes.begin(), bytes.end(), block.begin() + offset);
  return block;
}

struct Case {
  const char* what;
  EcrColumn column;
  QByteArray bytes;
  QVariant value;
};

class EcrLayoutCoding : public ::testing::TestWithParam<Case> {};

TEST_P(EcrLayoutCoding, DecodesAndEncodesTheSameBytes) {
  const Case& c = GetParam();
  const EcrLayout layout{{int(c.bytes.size())}, {c.column}};
  tEcrFnct codecs{TBlank{}};
  const TEcrBlock record = BlockWith(c.bytes, 4);
  const EcrLayout::Values values = layout.Decode(codecs, record, 4, 0);
  ASSERT_EQ(values.size(), 1);
  EXPECT_EQ(values[0], c.value) << c.what << ": " << values[0].toString().toStdString();
  TEcrBlock encoded{};
  layout.Encode(codecs, values, encoded, 4, 0);
  EXPECT_EQ(encoded, record) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Codings, EcrLayoutCoding,
    ::testing::Values(
        Case{"unsigned BCD", {"N", T::Long, 0, C::Bcd, {{0, 2}}}, QByteArray::fromHex("1234"), 1234},
        Case{"unsigned BCD scaled", {"N", T::Number, 0, C::Bcd, {{0, 2}}, 100}, QByteArray::fromHex("1234"), 12.34},
        Case{"signed BCD negative scaled", {"N", T::Money, 0, C::SignedBcd, {{0, 3}}, 100}, QByteArray::fromHex("01234d"),
             -12.34},
        Case{"text", {"S", T::Alpha, 4, C::Text, {{0, 4}}}, QByteArray("ABCD"), QStringLiteral("ABCD")},
        Case{"terminated text", {"S", T::Alpha, 6, C::TermText, {{0, 6}}}, QByteArray("AB\0\0\0\0", 6),
             QStringLiteral("AB")},
        Case{"bit 3", {"F", T::Logical, 0, C::Bit, {{0, 1}}, 1, 3}, QByteArray::fromHex("08"), true},
        Case{"byte", {"B", T::Short, 0, C::Byte, {{0, 1}}}, QByteArray::fromHex("fe"), 254},
        Case{"totaliser", {"X Total", T::Money, 0, C::Totaliser, {{0, 4}}, 100}, QByteArray::fromHex("0001234c"),
             12.34}));

TEST(EcrLayout, DatesUseTheColumnsOrder) {
  const EcrLayout layout{{3}, {{"D", T::Date, 0, C::Date, {{0, 3}}, 1, 0, 2}}};
  tEcrFnct codecs{TBlank{}};
  const TEcrBlock record = BlockWith(QByteArray::fromHex("311224"), 0); // DDMMYY
  const double days = layout.Decode(codecs, record, 0, 0).value(0).toDouble();
  EXPECT_EQ(TDateTime(days).Date(), QDate(2024, 12, 31));
  TEcrBlock encoded{};
  layout.Encode(codecs, {days}, encoded, 0, 0);
  EXPECT_EQ(encoded, record);
}

TEST(EcrLayout, AColumnAVariantLacksReadsEmptyAndIsNotWritten) {
  const EcrLayout layout{{2, 3},
                         {{"A", T::Short, 0, C::Bcd, {{0, 2}, {0, 2}}},
                          {"B", T::Logical, 0, C::Bit, {kNotInVariant, {2, 1}}}}};
  tEcrFnct codecs{TBlank{}};
  TEcrBlock record = BlockWith(QByteArray::fromHex("004201"), 0);
  EXPECT_EQ(layout.Decode(codecs, record, 0, 0), (EcrLayout::Values{42, false}));
  EXPECT_EQ(layout.Decode(codecs, record, 0, 1), (EcrLayout::Values{42, true}));
  layout.Encode(codecs, {7, false}, record, 0, 0);
  EXPECT_EQ(record[2], 1) << "byte 2 is not part of layout 0";
  EXPECT_EQ(layout.FieldDefs().size(), 2);
  EXPECT_THROW(layout.RecordSize(2), ERangeError);
}

TEST(EcrLayout, RefusesPlacesThatOverlapOrLeaveTheRecordOrMissAVariant) {
  EXPECT_THROW((EcrLayout{{3}, {{"A", T::Short, 0, C::Bcd, {{0, 2}}}, {"B", T::Short, 0, C::Bcd, {{1, 2}}}}}),
               EAssertionFailed);
  EXPECT_THROW((EcrLayout{{2}, {{"A", T::Short, 0, C::Bcd, {{1, 2}}}}}), EAssertionFailed);
  EXPECT_THROW((EcrLayout{{2, 2}, {{"A", T::Short, 0, C::Bcd, {{0, 2}}}}}), EAssertionFailed);
  EXPECT_THROW((EcrLayout{{2}, {{nullptr, T::Short, 0, C::Bcd, {{0, 2}}}}}), EAssertionFailed);
}
} // namespace
