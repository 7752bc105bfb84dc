// The memo, system balancing and table service sections of the financial record as
// layouts: each matches its totaliser table (names, types, widths, scales, places, the
// count listed before the total although the record holds the total first), the figures
// handed to outside callers are its columns, and section bytes decode to their values.
#include "crs3000/Crs3000FnclFields.h"
#include "crs3000/Crs3000FnclLayouts.h"
#include "model/tEcrFnct.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {
using C = EcrCoding;
using T = TFieldType;
namespace L = Crs3000FnclLayouts;

constexpr int kAll = 0b111;
constexpr int kNot224 = 0b101; // the 1296- and 1305-byte records
constexpr int kOnly303 = 0b100;

// One totaliser of a section as the register's table gives it: its offset in the section,
// the total's width and divisor (width 0: no total), the count's width (0: no count) right
// after the total, and the layouts (bit n: variant n) that carry it. A name of nullptr
// stands for bytes that hold no figure, `countWidth` long.
struct Totaliser {
  int offset;
  const char* name;
  int totalWidth;
  int totalScale;
  int countWidth;
  int variants = kAll;
};

struct Section {
  const char* what;
  std::function<const EcrLayout&()> layout;
  int fieldPart; // index in FnclFieldNames
  std::vector<int> sizes;
  std::vector<Totaliser> totalisers;
};

const Section kMemo{"memo", L::Memo, 2, {168, 168, 168},
                    {{0, "Customers", 0, 0, 3},
                     {3, "Number", 6, 1, 3},
                     {12, "Guests", 6, 1, 3},
                     {21, "No Sale", 0, 0, 3},
                     {24, "No Tax Sls", 6, 100, 3},
                     {33, "NonTax Sls", 6, 100, 0},
                     {39, "Sales Tax 1", 6, 100, 0},
                     {45, "Sales Tax 2", 6, 100, 0},
                     {51, "Sales Tax 3", 6, 100, 0},
                     {57, "Sales Tax 4", 6, 100, 0},
                     {63, "Eat In Sls", 6, 100, 3},
                     {72, "TakeOut Sls", 6, 100, 3},
                     {81, "Track1 Sls", 6, 100, 3},
                     {90, "Track2 Sls", 6, 100, 3},
                     {99, "Track 1 ST", 6, 100, 3},
                     {108, "Track 1 RE", 6, 100, 3},
                     {117, "Tr1 AvgTime", 0, 0, 6},
                     {123, "Track 2 ST", 6, 100, 3},
                     {132, "Track 2 RE", 6, 100, 3},
                     {141, "Tr2 AvgTime", 0, 0, 6},
                     {147, "Waste", 6, 100, 3},
                     {156, "Pr Change", 0, 0, 3},
                     {159, "Cpn Trans", 6, 100, 3}}};

const Section kSysBal{"system balancing", L::SystemBalancing, 3, {125, 125, 125},
                      {{0, "Gross Sales", 6, 100, 0},
                       {6, "Coupon", 6, 100, 3},
                       {15, "Discount", 6, 100, 3},
                       {24, "Refund", 6, 100, 3},
                       {33, "Error Cor", 6, 100, 3},
                       {42, "Void", 6, 100, 3},
                       {51, "Cancel", 6, 100, 3},
                       {60, "Trans Void", 6, 100, 3},
                       {69, "PLU", 6, 100, 5},
                       {80, "Negative Tax", 6, 100, 3},
                       {89, "Neg Sales", 6, 100, 3},
                       {98, "Daily Gross", 6, 100, 0},
                       {104, "YesterdayGr", 6, 100, 0},
                       {110, "NonReset Gr", 6, 100, 0},
                       {116, "Training Gr", 6, 100, 3}}};

const Section kTblSrvc{"table service", L::TableService, 4, {159, 153, 168},
                       {{0, "Guest", 0, 0, 6},
                        {6, "Begin Check", 0, 0, 3},
                        {9, "Service", 6, 100, 3},
                        {18, "Transfer In", 6, 100, 3},
                        {27, "Transfer Out", 6, 100, 3},
                        {36, "Paid Check", 6, 100, 3},
                        {45, "Est Tips", 6, 100, 0},
                        {51, "Gr Chg Tips", 6, 100, 3},
                        {60, "CC Tips Fee", 6, 100, 0},
                        {66, "NetChg Tips", 6, 100, 0},
                        {72, "Cash Tips", 6, 100, 3},
                        {81, "All Tips", 6, 100, 0},
                        {87, "ChgTips PO", 6, 100, 3},
                        {96, nullptr, 0, 0, 18},
                        {114, "Avg Time", 0, 0, 6},
                        {120, "Round Acc", 6, 100, 0},
                        {126, "Daily Edit", 0, 0, 3},
                        {129, "Weekly Edit", 0, 0, 3},
                        {132, "Period Edit", 0, 0, 3},
                        {135, "Cash Dep", 6, 100, 3},
                        {144, "Dep Unused", 6, 100, 3},
                        {153, "GC Change", 6, 100, 0, kNot224},
                        {159, "Debit Card", 6, 100, 3, kOnly303}}};

const Section* const kSections[] = {&kMemo, &kSysBal, &kTblSrvc};

std::vector<EcrPlace> Places(int variants, int offset, int width) {
  std::vector<EcrPlace> places;
  for (int variant = 0; variant < 3; ++variant)
    places.push_back(variants & (1 << variant) ? EcrPlace{offset, width} : kNotInVariant);
  return places;
}

// The columns the section's table gives: per totaliser its count, then its total.
std::vector<EcrColumn> ExpectedColumns(const Section& section) {
  std::vector<EcrColumn> columns;
  for (const Totaliser& t : section.totalisers) {
    if (!t.name) {
      columns.push_back({nullptr, T::Long, 0, C::Reserved, Places(t.variants, t.offset, t.countWidth)});
      continue;
    }
    static std::deque<std::string> names; // the columns keep the name's address
    if (t.countWidth) {
      names.push_back(std::string(t.name) + " Count");
      columns.push_back({names.back().c_str(), T::Long, 0, C::Totaliser,
                         Places(t.variants, t.offset + t.totalWidth, t.countWidth)});
    }
    if (t.totalWidth) {
      names.push_back(std::string(t.name) + " Total");
      columns.push_back({names.back().c_str(), T::Money, 0, C::Totaliser, Places(t.variants, t.offset, t.totalWidth),
                         t.totalScale});
    }
  }
  return columns;
}

std::string Describe(const EcrColumn& column) {
  std::string text = column.name ? column.name : "(reserved)";
  text += " type " + std::to_string(int(column.type)) + " coding " + std::to_string(int(column.coding)) + " scale " +
          std::to_string(column.coding == C::Reserved ? 1 : column.scale) + " at";
  for (const EcrPlace& place : column.places)
    text += place.Present() ? " " + std::to_string(place.offset) + "+" + std::to_string(place.width) : " -";
  return text;
}

TEST(FnclLayouts, EachSectionHasTheRecordSizeOfEachLayout) {
  for (const Section* section : kSections) {
    const EcrLayout& layout = section->layout();
    ASSERT_EQ(layout.VariantCount(), 3) << section->what;
    for (int variant = 0; variant < 3; ++variant)
      EXPECT_EQ(layout.RecordSize(variant), section->sizes[size_t(variant)]) << section->what << " " << variant;
  }
  EXPECT_EQ(L::Memo().RecordSize(L::kFncl224), 168);
  EXPECT_EQ(L::TableService().RecordSize(L::kFncl224), 153);
  EXPECT_EQ(L::TableService().RecordSize(L::kFncl303), 168);
}

TEST(FnclLayouts, ColumnsFollowTheSectionsTableInOrder) {
  for (const Section* section : kSections) {
    std::vector<std::string> expected, actual;
    for (const EcrColumn& column : ExpectedColumns(*section)) expected.push_back(Describe(column));
    for (const EcrColumn& column : section->layout().Columns()) actual.push_back(Describe(column));
    EXPECT_EQ(actual, expected) << section->what;
  }
}

// With no overlaps (the layout refuses them) a total of the widths equal to the record
// size means that no byte of the section is left out.
TEST(FnclLayouts, EveryByteOfEachLayoutBelongsToAColumn) {
  for (const Section* section : kSections) {
    const EcrLayout& layout = section->layout();
    for (int variant = 0; variant < 3; ++variant) {
      int covered = 0;
      for (const EcrColumn& column : layout.Columns()) covered += column.places[size_t(variant)].width;
      EXPECT_EQ(covered, layout.RecordSize(variant)) << section->what << " " << variant;
    }
  }
}

TEST(FnclLayouts, TheFiguresForOutsideCallersAreColumnsOfTheirSection) {
  for (const Section* section : kSections) {
    QStringList columns;
    for (const TFieldDef& field : section->layout().FieldDefs()) columns.append(field.name);
    const QStringList& names = Crs3000FnclFields::FnclFieldNames()[section->fieldPart];
    ASSERT_FALSE(names.isEmpty()) << section->what;
    for (const QString& name : names) EXPECT_TRUE(columns.contains(name)) << section->what << ": " << name.toStdString();
  }
}

// ---- decoding section bytes -------------------------------------------------------------

constexpr int kBlockStart = 4; // the record starts after the block's frame bytes

class FnclSectionDecode : public ::testing::Test {
protected:
  // The section's bytes placed where the combined record puts them; the rest stays zero.
  void Put(int sectionOffset, int at, const char* hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    std::copy(bytes.begin(), bytes.end(), block.begin() + kBlockStart + sectionOffset + at);
  }
  // The decoded values, by column name.
  QVariantMap Decode(const EcrLayout& layout, int sectionOffset, int variant) {
    const EcrLayout::Values values = layout.Decode(codecs, block, kBlockStart + sectionOffset, variant);
    const QList<TFieldDef> fields = layout.FieldDefs();
    EXPECT_EQ(values.size(), fields.size());
    QVariantMap byName;
    for (qsizetype i = 0; i < values.size(); ++i) byName.insert(fields[i].name, values[i]);
    return byName;
  }

  tEcrFnct codecs{TBlank{}};
  TEcrBlock block{};
};

constexpr int kMemoAt = 844, kSysBalAt = 1012, kTblSrvcAt = 1137;

TEST_F(FnclSectionDecode, MemoCountsInItsNumberTotalAndKeepsCountOnlyAndTotalOnlyFigures) {
  Put(kMemoAt, 0, "00123C");              // Customers, count only
  Put(kMemoAt, 3, "00000001234C00042C");  // Number: not divided
  Put(kMemoAt, 33, "00000098765C");       // NonTax Sls, total only
  Put(kMemoAt, 141, "00000000090C");      // Tr2 AvgTime, a 6-byte count
  Put(kMemoAt, 147, "00000001234D00007D"); // Waste, negative
  Put(kMemoAt, 165, "99999C");            // the last count of the section
  for (int variant = 0; variant < 3; ++variant) {
    const QVariantMap v = Decode(L::Memo(), kMemoAt, variant);
    EXPECT_EQ(v["Customers Count"].toLongLong(), 123);
    EXPECT_EQ(v["Number Total"].toDouble(), 1234.0);
    EXPECT_EQ(v["Number Count"].toLongLong(), 42);
    EXPECT_DOUBLE_EQ(v["NonTax Sls Total"].toDouble(), 987.65);
    EXPECT_EQ(v["Tr2 AvgTime Count"].toLongLong(), 90);
    EXPECT_DOUBLE_EQ(v["Waste Total"].toDouble(), -12.34);
    EXPECT_EQ(v["Waste Count"].toLongLong(), -7);
    EXPECT_EQ(v["Cpn Trans Count"].toLongLong(), 99999);
    EXPECT_EQ(v["Cpn Trans Total"].toDouble(), 0.0);
  }
}

TEST_F(FnclSectionDecode, SystemBalancingReadsAFiveByteCountAndNegativeTotals) {
  Put(kSysBalAt, 0, "00000123456C");          // Gross Sales, total only
  Put(kSysBalAt, 42, "00000000500D00003C");   // Void, negative total
  Put(kSysBalAt, 69, "00000000100C000012345C"); // PLU, 5-byte count
  Put(kSysBalAt, 80, "00000000001C00001C");   // Negative Tax, right after it
  Put(kSysBalAt, 116, "99999999999D99999D");  // Training Gr, the largest values
  const QVariantMap v = Decode(L::SystemBalancing(), kSysBalAt, L::kFinancial);
  EXPECT_DOUBLE_EQ(v["Gross Sales Total"].toDouble(), 1234.56);
  EXPECT_DOUBLE_EQ(v["Void Total"].toDouble(), -5.0);
  EXPECT_EQ(v["Void Count"].toLongLong(), 3);
  EXPECT_EQ(v["PLU Count"].toLongLong(), 12345);
  EXPECT_DOUBLE_EQ(v["PLU Total"].toDouble(), 1.0);
  EXPECT_DOUBLE_EQ(v["Negative Tax Total"].toDouble(), 0.01);
  EXPECT_EQ(v["Negative Tax Count"].toLongLong(), 1);
  EXPECT_DOUBLE_EQ(v["Training Gr Total"].toDouble(), -999999999.99);
  EXPECT_EQ(v["Training Gr Count"].toLongLong(), -99999);
}

TEST_F(FnclSectionDecode, TableServiceReadsWhatEachLayoutCarries) {
  Put(kTblSrvcAt, 0, "00000001234C");         // Guest, a 6-byte count
  Put(kTblSrvcAt, 6, "00077C");               // Begin Check, count only
  Put(kTblSrvcAt, 45, "00000002500D");        // Est Tips, negative, total only
  Put(kTblSrvcAt, 144, "00000012345C00012C"); // Dep Unused, last of every layout
  Put(kTblSrvcAt, 153, "00000000999C");       // GC Change
  Put(kTblSrvcAt, 159, "00000004321C00005C"); // Debit Card
  const QVariantMap v0 = Decode(L::TableService(), kTblSrvcAt, L::kFinancial);
  const QVariantMap v1 = Decode(L::TableService(), kTblSrvcAt, L::kFncl224);
  const QVariantMap v2 = Decode(L::TableService(), kTblSrvcAt, L::kFncl303);
  for (const QVariantMap* v : {&v0, &v1, &v2}) {
    EXPECT_EQ((*v)["Guest Count"].toLongLong(), 1234);
    EXPECT_EQ((*v)["Begin Check Count"].toLongLong(), 77);
    EXPECT_DOUBLE_EQ((*v)["Est Tips Total"].toDouble(), -25.0);
    EXPECT_DOUBLE_EQ((*v)["Dep Unused Total"].toDouble(), 123.45);
    EXPECT_EQ((*v)["Dep Unused Count"].toLongLong(), 12);
  }
  EXPECT_DOUBLE_EQ(v0["GC Change Total"].toDouble(), 9.99);
  EXPECT_DOUBLE_EQ(v2["GC Change Total"].toDouble(), 9.99);
  EXPECT_EQ(v1["GC Change Total"].toDouble(), 0.0) << "the 153-byte layout ends before it";
  for (const QVariantMap* v : {&v0, &v1}) {
    EXPECT_EQ((*v)["Debit Card Total"].toDouble(), 0.0);
    EXPECT_EQ((*v)["Debit Card Count"].toLongLong(), 0);
  }
  EXPECT_DOUBLE_EQ(v2["Debit Card Total"].toDouble(), 43.21);
  EXPECT_EQ(v2["Debit Card Count"].toLongLong(), 5);
}

TEST_F(FnclSectionDecode, TheBytesAfterTheChargeTipsPaidOutChangeNoColumn) {
  Put(kTblSrvcAt, 87, "00000000010C00001C"); // ChgTips PO
  Put(kTblSrvcAt, 114, "00000000042C");      // Avg Time
  for (int variant = 0; variant < 3; ++variant) {
    const QVariantMap clean = Decode(L::TableService(), kTblSrvcAt, variant);
    TEcrBlock saved = block;
    Put(kTblSrvcAt, 96, "123456789C123456789C123456789C12345C");
    EXPECT_EQ(Decode(L::TableService(), kTblSrvcAt, variant), clean) << variant;
    EXPECT_EQ(clean["Avg Time Count"].toLongLong(), 42);
    EXPECT_EQ(clean["ChgTips PO Count"].toLongLong(), 1);
    block = saved;
  }
}

// A row of a table declared from the layout keeps every figure to the cent, the largest
// and the negative ones included, and the counts as whole numbers.
TEST_F(FnclSectionDecode, ARowDeclaredFromTheLayoutHoldsTheFiguresToTheCent) {
  Put(kTblSrvcAt, 0, "00000001234C");         // Guest
  Put(kTblSrvcAt, 9, "99999999999C99999C");   // Service, the largest total and count
  Put(kTblSrvcAt, 45, "00000000001D");        // Est Tips, one cent short
  Put(kTblSrvcAt, 159, "00000004321D00005D"); // Debit Card, negative
  QTemporaryDir dir;
  TDatabase db(QString(), dir.path());
  db.Open();
  const TTableDef def{QStringLiteral("TblSrvc"),
                      QList<TFieldDef>{{QStringLiteral("Poll Id"), T::Long, 0}} + L::TableService().FieldDefs(),
                      {}};
  db.CreateTable(def);
  TTable table;
  table.SetDatabase(&db);
  table.SetTableName(def.name);
  table.Open();
  table.Append();
  table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(1);
  L::TableService().DecodeInto(table, codecs, block, kBlockStart + kTblSrvcAt, L::kFncl303);
  table.Post();
  table.First();
  const auto field = [&table](const char* name) -> TField& { return table.FieldByName(QString::fromLatin1(name)); };
  EXPECT_EQ(field("Guest Count").AsInteger(), 1234);
  EXPECT_EQ(field("Service Total").AsMoney(), 99999999999);
  EXPECT_EQ(field("Service Count").AsInteger(), 99999);
  EXPECT_EQ(field("Est Tips Total").AsMoney(), -1);
  EXPECT_EQ(field("Debit Card Total").AsMoney(), -4321);
  EXPECT_EQ(field("Debit Card Count").AsInteger(), -5);
  EXPECT_EQ(field("Round Acc Total").AsMoney(), 0);
  table.Close();
}
} // namespace
