// The financial answer: one combined record per layout, and six tables of expectations
// under consecutive polls.
#include "SynthTestSupport.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthRow.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace SynthTestSupport;
using TestSupport::Hex;

namespace {
struct VariantCase {
  const char* report;
  int size;
  const char* suffix;
  const char* tableService;
};

class SynthFinancialVariants : public testing::TestWithParam<VariantCase> {};

TEST_P(SynthFinancialVariants, OneDataBlockAndSixTablesInChainOrder) {
  const VariantCase& c = GetParam();
  const SynthAnswer answer = Make(QString::fromLatin1(c.report));
  EXPECT_EQ(answer.code, 33);
  ASSERT_EQ(answer.blocks.size(), 2);
  EXPECT_EQ(answer.blocks[1].size(), c.size + 8);
  QStringList tables;
  for (const QString& line : answer.expectations)
    if (line.startsWith(QLatin1String("table\t"))) tables << line;
  ASSERT_EQ(tables.size(), 6);
  const QString suffix = QString::fromLatin1(c.suffix);
  const QString head = suffix.isEmpty() ? QStringLiteral("Financial") : QStringLiteral("Fncl") + suffix;
  EXPECT_EQ(tables[0], QStringLiteral("table\ttEcrRptCrs3000Financial\tclass=tEcrRptCrs3000%1\treport=Financial\tpoll=+0\trows=0").arg(head));
  EXPECT_EQ(tables[2], QStringLiteral("table\ttEcrRptCrs3000Receipts\tclass=tEcrRptCrs3000%1\treport=Receipts\tpoll=+2\trows=1")
                           .arg(suffix.isEmpty() ? QStringLiteral("Receipts") : QStringLiteral("Rcpts") + suffix));
  EXPECT_EQ(tables[5], QStringLiteral("table\t%1\tclass=tEcrRptCrs3000TblSrvc%2\treport=Table Service\tpoll=+5\trows=1")
                           .arg(QString::fromLatin1(c.tableService), suffix));
  const QStringList rows = Rows(answer, QString::fromLatin1(c.tableService));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(SynthRow::Fields(rows[0]).size(), 32);
}

INSTANTIATE_TEST_SUITE_P(Layouts, SynthFinancialVariants,
                         testing::Values(VariantCase{"fncl224", 1290, "224", "tEcrRptCrs3000TblSrvc"},
                                         VariantCase{"financial", 1296, "", "tEcrRptCrs3000TblSrvc"},
                                         VariantCase{"fncl303", 1305, "303", "tEcrRptCrs3000TblSrvc303"}));

TEST(SynthFinancial, KnownBytesOfTheSections) {
  const SynthAnswer answer = Make(QStringLiteral("financial"), -1,
                                  {QStringLiteral("Item Sales Total=-12.34"), QStringLiteral("Item Sales Count=56"),
                                   QStringLiteral("Memo:Number Total=1234"), QStringLiteral("Tr2 AvgTime Count=90"),
                                   QStringLiteral("PLU Count=12345"), QStringLiteral("Receipts:Gross Sales Total=1.00"),
                                   QStringLiteral("System Balancing:Void Total=-0.10")});
  const QByteArray data = Data(answer, 1);
  EXPECT_EQ(data.mid(0, 11), Hex("00 00 00 01 23 4D 00 00 00 05 6C"));
  EXPECT_EQ(data.mid(844 + 3, 6), Hex("00 00 00 01 23 4C"));
  EXPECT_EQ(data.mid(844 + 141, 6), Hex("00 00 00 00 09 0C"));
  EXPECT_EQ(data.mid(1012 + 75, 5), Hex("00 00 12 34 5C"));
  EXPECT_EQ(data.mid(409 + 207, 6), Hex("00 00 00 00 10 0C"));
  EXPECT_EQ(data.mid(1012 + 42, 6), Hex("00 00 00 00 01 0D"));
  const QString sales = Rows(answer, QStringLiteral("tEcrRptCrs3000Sales")).value(0);
  EXPECT_TRUE(sales.startsWith(QLatin1String("Item Sales Count=56\tItem Sales Total=-12.34\t")));
  EXPECT_EQ(Field(Rows(answer, QStringLiteral("tEcrRptCrs3000Memo")).value(0), QStringLiteral("Number Total")), QStringLiteral("1234.00"));
  EXPECT_EQ(Field(Rows(answer, QStringLiteral("tEcrRptCrs3000Receipts")).value(0), QStringLiteral("Gross Sales Total")), QStringLiteral("1.00"));
}

TEST(SynthFinancial, SkippedBytesHoldNoZeros) {
  const QByteArray data = Data(Make(QStringLiteral("fncl303")), 1);
  EXPECT_FALSE(data.mid(409 + 180, 18).contains('\0'));
  EXPECT_FALSE(data.mid(1137 + 96, 18).contains('\0'));
}

TEST(SynthFinancial, TableServiceColumnsTheLayoutLacks) {
  const QString table = QStringLiteral("tEcrRptCrs3000TblSrvc");
  const QString row224 = Rows(Make(QStringLiteral("fncl224")), table).value(0);
  EXPECT_TRUE(row224.endsWith(QLatin1String("\tGC Change Total=0.00\tDebit Card Count=\\N\tDebit Card Total=\\N")));
  const QString row = Rows(Make(QStringLiteral("financial"), -1, {QStringLiteral("GC Change Total=2.50")}), table).value(0);
  EXPECT_TRUE(row.endsWith(QLatin1String("\tGC Change Total=2.50\tDebit Card Count=\\N\tDebit Card Total=\\N")));
  const QString row303 = Rows(Make(QStringLiteral("fncl303"), -1, {QStringLiteral("Debit Card Count=-4")}),
                              QStringLiteral("tEcrRptCrs3000TblSrvc303")).value(0);
  EXPECT_EQ(Field(row303, QStringLiteral("Debit Card Count")), QStringLiteral("-4"));
}

TEST(SynthFinancial, RefusesAmbiguousOrMissingColumns) {
  EXPECT_THROW(Make(QStringLiteral("financial"), -1, {QStringLiteral("Gross Sales Total=1.00")}), SynthValueError);
  EXPECT_THROW(Make(QStringLiteral("fncl224"), -1, {QStringLiteral("GC Change Total=1.00")}), SynthValueError);
  EXPECT_THROW(Make(QStringLiteral("financial"), -1, {QStringLiteral("Memo:Number Total=12.34")}), SynthValueError);
  EXPECT_THROW(Make(QStringLiteral("financial"), 2), SynthValueError);
}
} // namespace
