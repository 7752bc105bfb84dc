#include "store/containers/CompareFuncRegistry.h"

#include "StreamTestItems.h"
#include "store/containers/CompareRoutines.h"
#include "store/containers/ContainerErrors.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
quint8 NeverRegistered(const TObject&, const TObject&) { return 0; }

const char* const kLibraryNames[] = {
    "CompareEqual", "CompareLess", "CompareGreater", "CompareStringCombo", "CompareStringComboNoCase",
    "CompareShortIntBucket", "CompareIntegerBucket", "CompareLongIntBucket", "CompareByteBucket",
    "CompareWordBucket", "CompareCharBucket", "CompareBooleanBucket", "CompareWordBoolBucket",
    "CompareLongBoolBucket", "CompareRealBucket", "CompareSingleBucket", "CompareDoubleBucket",
    "CompareExtendedBucket", "CompareCompBucket", "CompareDateTimeBucket"};
} // namespace

TEST(CompareFuncRegistry, LibraryFunctionsAreFoundBothWays) {
  for (const char* name : kLibraryNames) {
    SCOPED_TRACE(name);
    const TCompareFunc func = CompareFuncByName(QString::fromLatin1(name));
    ASSERT_NE(func, nullptr);
    // Functions with identical bodies (the two 32-bit integer buckets) stay distinct.
    EXPECT_EQ(CompareFuncName(func).toStdString(), name);
  }
}

TEST(CompareFuncRegistry, ConstantFunctions) {
  TStreamTestItem a(1), b(2);
  EXPECT_EQ(CompareEqual(a, b), 0);
  EXPECT_EQ(CompareLess(b, a), 1);
  EXPECT_EQ(CompareGreater(a, b), 2);
}

TEST(CompareFuncRegistry, Failures) {
  ExpectRaises<EDuplicateCompareFunc>([] { RegisterCompareFunc(QStringLiteral("CompareEqual"), &NeverRegistered); },
                                      "Duplicate compare function");
  // The first registration stays.
  EXPECT_EQ(CompareFuncByName(QStringLiteral("CompareEqual")), &CompareEqual);
  ExpectRaises<ECompareFuncNotRegistered>([] { CompareFuncName(&NeverRegistered); },
                                          "Compare function not registered");
  ExpectRaises<ECompareFuncNotRegistered>([] { CompareFuncByName(QStringLiteral("compareequal")); },
                                          "Compare function not registered");
}

TEST(CompareFuncRegistry, NameOfTheFirstEntryHoldingTheFunction) {
  RegisterCompareFunc(QStringLiteral("CompareStreamTestItemAgain"), &CompareStreamTestItem);
  EXPECT_EQ(CompareFuncName(&CompareStreamTestItem).toStdString(), "CompareStreamTestItem");
  EXPECT_EQ(CompareFuncByName(QStringLiteral("CompareStreamTestItemAgain")), &CompareStreamTestItem);
}

TEST(CompareRoutines, Results) {
  EXPECT_EQ(CompareIntegers(1, 2), 1);
  EXPECT_EQ(CompareIntegers(2, 2), 0);
  EXPECT_EQ(CompareIntegers(2147483647, -2147483647 - 1), 2);
  EXPECT_EQ(CompareStrings(QStringLiteral("abc"), QStringLiteral("abd")), 1);
  EXPECT_EQ(CompareStrings(QStringLiteral("abc"), QStringLiteral("abc")), 0);
  EXPECT_NE(CompareStrings(QStringLiteral("abc"), QStringLiteral("ABC")), 0);
  EXPECT_EQ(CompareTextNoCase(QStringLiteral("abc"), QStringLiteral("ABC")), 0);
  EXPECT_EQ(CompareTextNoCase(QStringLiteral("ABD"), QStringLiteral("abc")), 2);
}

TEST(CompareRoutines, FollowTheDefaultLocale) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  // A collation puts accented letters beside their base letter, not after "z".
  EXPECT_EQ(CompareStrings(QString::fromUtf8("\xC3\xA9t\xC3\xA9"), QStringLiteral("zoo")), 1);
  EXPECT_EQ(CompareTextNoCase(QString::fromUtf8("\xC3\x89T\xC3\x89"), QString::fromUtf8("\xC3\xA9t\xC3\xA9")), 0);
  QLocale::setDefault(saved);
}
