// The line-chain forms with the register's own programs beside the polls, under the class
// names the forms bind: captions from the right program, key and number (a row with empty
// text clears the design caption, a missing row keeps it, a function key's suffix follows
// its text), the cashier's major groups gated by print control, and which print-control and
// descriptor programs each ROM binds.
#include "FormPrograms.h"
#include "ReportFormFixture.h"

#include "crs-synth/Synthesiser.h"
#include "crs3000/tEcrRptCrs3000Cashier.h"
#include "crs3000/tEcrRptCrs3000DayShift.h"
#include "crs3000/tEcrRptCrs3000Financial.h"
#include "crs3000/tEcrRptCrs3000FnclSection.h"
#include "crs3000/Crs3000RomVersions.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {
inline constexpr char kDescriptors[] = "tEcrPrgCrs3000RptDesc";
inline constexpr char kDescriptors221[] = "tEcrPrgCrs3000RptDesc221";
inline constexpr char kFunctionKeys[] = "tEcrPrgCrs3000FnctKys";
inline constexpr char kMajorGroups[] = "tEcrPrgCrs3000MajGrp";
inline constexpr char kPrintControl[] = "tEcrPrgCrs3000PrntCtrl";
inline constexpr char kPrintControl221[] = "tEcrPrgCrs3000PrntCtrl221";
inline constexpr char kPrintControl304[] = "tEcrPrgCrs3000PrntCtrl304";
inline constexpr char kPrintControl402[] = "tEcrPrgCrs3000PrntCtrl402";

// Rows first to last of a naming program, each "<prefix><number>", but for the numbers whose
// text is empty and those left out.
QList<QVariantMap> NamingRows(const QString& key, int last, const QString& prefix, const QSet<int>& empty,
                              const QSet<int>& missing) {
  QList<QVariantMap> rows;
  for (int n = 1; n <= last; ++n)
    if (!missing.contains(n))
      rows << QVariantMap{{key, n}, {QStringLiteral("Descriptor"), empty.contains(n) ? QString() : prefix + QString::number(n)}};
  return rows;
}

template <const char* Class> void AddNaming(tTestDriver& driver, const QString& key, const QList<QVariantMap>& rows) {
  tFormPrg<Class>::AddTo(driver, {{key, TFieldType::Short}, {QStringLiteral("Descriptor"), TFieldType::Alpha, 12}}, rows);
}

// Print control: one row of the twenty major-group flags, those not given empty.
template <const char* Class> void AddPrintControl(tTestDriver& driver, const QMap<int, bool>& flags, bool withRow = true) {
  QList<TFieldDef> columns{{QStringLiteral("Number"), TFieldType::Short}};
  QVariantMap row{{QStringLiteral("Number"), 1}};
  for (int g = 1; g <= 20; ++g) {
    const QString flag = QStringLiteral("Prnt MGrp %1").arg(g, 2, 10, QLatin1Char('0'));
    columns << TFieldDef{flag, TFieldType::Logical};
    if (flags.contains(g)) row.insert(flag, flags.value(g));
  }
  tFormPrg<Class>::AddTo(driver, columns, withRow ? QList<QVariantMap>{row} : QList<QVariantMap>{});
}

// A driver that names itself as one of the register's ROM versions.
class tRomDriver final : public tTestDriver {
public:
  const TClass& ClassType() const override { return *romClass; }
  QString GetRomName() const override { return rom; }
  const TClass* romClass = &tEcr::StaticClass();
  QString rom;
};

// Descriptors: D n, 2 and 3 empty, 45 and 94 missing. Function keys: F n, 31 and 85 empty,
// 98 and 138 missing. Major groups: G n, 2 empty, 20 missing.
class LineCaptions : public ReportFormFixture {
protected:
  void AddNamingPrograms() {
    AddNaming<kDescriptors>(driver, QStringLiteral("Number"), NamingRows(QStringLiteral("Number"), 120, "D", {2, 3}, {45, 94}));
    AddNaming<kFunctionKeys>(driver, QStringLiteral("KeyNumber"),
                             NamingRows(QStringLiteral("KeyNumber"), 150, "F", {31, 85}, {98, 138}));
    AddNaming<kMajorGroups>(driver, QStringLiteral("Number"), NamingRows(QStringLiteral("Number"), 20, "G", {2}, {20}));
  }

  // The lines below the poll header on every page: the block's header, its number, its lines.
  QStringList Block(tEcrRpt& rpt, const QVariantMap& row, bool zeroSkip) {
    const std::optional<RptPageModel> model = Generate(rpt, Store(rpt, {row}), zeroSkip);
    if (!model) return {QStringLiteral("(nothing printed)")};
    QStringList lines;
    for (const QStringList& page : PageLines(*model)) lines << page;
    for (qsizetype i = 0; i < lines.size(); ++i)
      if (lines[i].startsWith(QLatin1String("Polled Reg."))) return lines.mid(i + 1);
    return lines;
  }
  // The lines of a cashier's or shift's block under its header and number.
  QStringList BlockLines(tEcrRpt& rpt, const QVariantMap& row, bool zeroSkip, const QString& header) {
    const QStringList block = Block(rpt, row, zeroSkip);
    const qsizetype at = block.indexOf(header);
    return at < 0 ? block : block.mid(at + 2);
  }

  // A financial poll decoded from a synthesised answer with these values; its head's Poll Id.
  qint32 StoreFinancial(tEcrRptCrs3000Financial& financial, const QList<SynthOverride>& values) {
    SynthRequest request;
    request.report = QStringLiteral("financial");
    request.seed = 3;
    request.overrides = values;
    const QString path = dir.filePath(QStringLiteral("financial.ecr"));
    Synthesiser::WriteWorkFile(Synthesiser::Synthesise(request), path);
    QFile file(path);
    financial.ReadBlockFile(file);
    financial.AddHeadRow(financial.PollId);
    return financial.PollId;
  }
};

const QString kCashierHeader = QStringLiteral("Cashier Num Cashier Name Count Amount Average");
const QString kShiftHeader = QStringLiteral("Count Amount Average");

struct Case {
  const char* name;
  QVariantMap row;
  QStringList lines;
};
} // namespace

TEST_F(LineCaptions, CashierCaptionsComeFromTheRightProgramRow) {
  AddNamingPrograms();
  auto& cashier = AddReport<tEcrRptCrs3000Cashier>();
  const Case cases[] = {
      {"D 1 names the item sales", {{"Item Sales Count", 5}, {"Item Sales Total", 10.0}}, {"D1 5 $10.00 $2.00", "Avg $/Item $2.00"}},
      {"D 3 is there with empty text: no caption", {{"PLU Item Count", 2}, {"PLU Item Total", 4.0}}, {"2 $4.00 $2.00"}},
      {"D 45 is missing: the design caption stays", {{"Coupon Count", 1}, {"Coupon Total", 3.0}}, {"Coupon 1 $3.00 $3.00"}},
      {"both over/short lines take D 19, not 20", {{"Cash Over Short Total", 1.0}, {"Check Over Short Total", 2.0}},
       {"D19 $1.00", "D19 $2.00"}},
      {"D 91, the last descriptor", {{"Deposit Unused Count", 1}, {"Deposit Unused Total", 6.0}}, {"D91 1 $6.00 $6.00"}},
      {"F 35 names the refund from the function keys", {{"Refund Count", 1}, {"Refund Total", 2.0}}, {"F35 1 $2.00 $2.00"}},
      {"F 31 with empty text", {{"Void Count", 1}, {"Void Total", 2.0}}, {"1 $2.00 $2.00"}},
      {"F 138 missing: foreign currency 1 keeps its caption, 5 is F 142",
       {{"Foreign Currency 1 Total", 5.0}, {"Foreign Currency 5 Total", 7.0}}, {"Foreign Currency 1 $5.00", "F142 $7.00"}},
      {"the charges run F 128 to F 137", {{"Charge 01 Count", 1}, {"Charge 01 Total", 1.0}, {"Charge 10 Count", 2}, {"Charge 10 Total", 4.0}},
       {"F128 1 $1.00 $1.00", "F137 2 $4.00 $2.00"}},
      {"No Sale is fixed though function key 143 is there", {{"No Sale Count", 3}}, {"No Sale 3"}},
      {"G 1 and G 19 from the major groups, G 2 empty, G 20 missing",
       {{"Major Group 01 Count", 1}, {"Major Group 01 Total", 2.0}, {"Major Group 02 Count", 1}, {"Major Group 02 Total", 3.0},
        {"Major Group 19 Count", 1}, {"Major Group 19 Total", 4.0}, {"Major Group 20 Count", 1}, {"Major Group 20 Total", 5.0}},
       {"G1 1 $2.00 $2.00", "1 $3.00 $3.00", "G19 1 $4.00 $4.00", "Major Group 20 1 $5.00 $5.00"}},
  };
  int memory = 0;
  for (const Case& c : cases) {
    QVariantMap row = c.row;
    row.insert(QStringLiteral("Memory Number"), ++memory);
    EXPECT_EQ(BlockLines(cashier, row, true, kCashierHeader), c.lines) << c.name;
  }
}

TEST_F(LineCaptions, DayShiftCaptionsComeFromTheSamePrograms) {
  AddNamingPrograms();
  auto& shifts = AddReport<tEcrRptCrs3000DayShift>();
  const Case cases[] = {
      {"D 1 and D 67 on both guests lines", {{"Item Sales Count", 1}, {"Item Sales Total", 2.0}, {"Number of Guest Count", 4}},
       {"D1 1 $2.00 $2.00", "D67 4", "D67 4"}},
      {"F 138 missing keeps the shift's own design caption; F 139 names the next",
       {{"Foreign Currency 1 Total", 1.0}, {"Foreign Currency 2 Total", 2.0}}, {"Foreign Currency 01 $1.00", "F139 $2.00"}},
      {"G 7, and G 20 missing", {{"Major Group 07 Count", 2}, {"Major Group 20 Count", 1}}, {"G7 2 $.00", "Major Group 20 1 $.00"}},
  };
  int shift = 0;
  for (const Case& c : cases) {
    QVariantMap row = c.row;
    row.insert(QStringLiteral("Day Shift Id"), ++shift);
    EXPECT_EQ(BlockLines(shifts, row, true, kShiftHeader), c.lines) << c.name;
  }
}

// The sales section form: descriptors and function keys, the B discounts' key followed by
// "(2)" (after an empty text too); the other sections keep their captions.
TEST_F(LineCaptions, SectionCaptionsComeFromDescriptorsAndFunctionKeysWithTheirSuffix) {
  AddNamingPrograms();
  auto& sales = AddReport<tEcrRptCrs3000Sales>();
  const QString head = QStringLiteral("Description Count Amount Average");
  const Case cases[] = {
      {"D 1; D 2 empty", {{"Item Sales Count", 1}, {"Item Sales Total", 1.0}, {"Net Coupon Count", 2}, {"Net Coupon Total", 2.0}},
       {"D1 1 $1.00 $1.00", "2 $2.00 $1.00"}},
      {"F 84 for A and B discount 01, the B with its suffix",
       {{"AItmDisc01 Count", 1}, {"AItmDisc01 Total", 1.0}, {"BItmDisc01 Count", 1}, {"BItmDisc01 Total", 2.0}},
       {"F84 1 $1.00 $1.00", "F84(2) 1 $2.00 $2.00"}},
      {"F 85 empty: the B discount shows the suffix alone",
       {{"AItmDisc02 Count", 1}, {"AItmDisc02 Total", 1.0}, {"BItmDisc02 Count", 1}, {"BItmDisc02 Total", 2.0}},
       {"1 $1.00 $1.00", "(2) 1 $2.00 $2.00"}},
      {"F 93 ends the discounts", {{"AItmDisc10 Count", 1}, {"AItmDisc10 Total", 1.0}}, {"F93 1 $1.00 $1.00"}},
      {"F 98 missing keeps subtotal discount 01; 02 is F 99",
       {{"St Disc1 Count", 1}, {"St Disc1 Total", 1.0}, {"St Disc2 Count", 1}, {"St Disc2 Total", 1.0}},
       {"Subtotal Discount 01 1 $1.00 $1.00", "F99 1 $1.00 $1.00"}},
      {"taxes D 7 to D 10", {{"Tax 1 Total", 1.0}, {"Tax 4 Total", 4.0}}, {"D7 $1.00", "D10 $4.00"}},
      {"guest checks D 92, D 94 missing", {{"GC Sold 1 Count", 1}, {"GC Sold 1 Total", 1.0}, {"GC Sold 3 Count", 1}, {"GC Sold 3 Total", 1.0}},
       {"D92 1 $1.00 $1.00", "Guest Check Sold 3 1 $1.00 $1.00"}},
      {"D 15 ends the sales", {{"GS Grand Total", 9.0}}, {"D15 $9.00"}},
  };
  for (const Case& c : cases) {
    const std::optional<RptPageModel> model = Generate(sales, Store(sales, {c.row}), true);
    ASSERT_TRUE(model) << c.name;
    EXPECT_EQ(LinesBelow(*model, head), c.lines) << c.name;
  }
  // The receipts' value-tested lines print when empty: set them to 0 to leave them out.
  const QVariantMap quiet{{"CA Dec Total", 0.0}, {"CA Ovr Shrt Total", 0.0}, {"Chk In Dwr Count", 0}, {"Chk Dec Total", 0.0}};
  auto& receipts = AddReport<tEcrRptCrs3000Receipts>();
  const Case receiptsCases[] = {
      {"cash 1 is F 113, check 5 F 127", {{"Cash 1 Count", 1}, {"Cash 1 Total", 1.0}, {"Check 5 Count", 1}, {"Check 5 Total", 2.0}},
       {"F113 1 $1.00 $1.00", "F127 1 $2.00 $2.00"}},
      {"both over/short lines take D 19", {{"CA Ovr Shrt Total", 1.0}, {"Chk Ovr Shrt Total", 2.0}}, {"D19 $1.00", "D19 $2.00"}},
      {"both guest check redeems take D 16; F 138 missing keeps foreign currency 1",
       {{"A GC Redeem Total", 1.0}, {"Frgn Curr 1 Total", 3.0}, {"B GC Redeem Total", 2.0}},
       {"D16 $1.00 $.00", "Foreign Currency 1 $3.00", "D16 $2.00 $.00"}},
  };
  for (const Case& c : receiptsCases) {
    QVariantMap row = quiet;
    row.insert(c.row);
    const std::optional<RptPageModel> model = Generate(receipts, Store(receipts, {row}), true);
    ASSERT_TRUE(model) << c.name;
    EXPECT_EQ(LinesBelow(*model, head), c.lines) << c.name;
  }
}

// The financial form names its sales lines alone; its other sections' captions are fixed.
TEST_F(LineCaptions, FinancialSalesCaptionsComeFromThePrograms) {
  AddNamingPrograms();
  auto& financial = AddReport<tEcrRptCrs3000Financial>();
  const auto set = [](const char* section, const char* column, const char* value) {
    return SynthOverride{QString::fromLatin1(section), QString::fromLatin1(column), QString::fromLatin1(value)};
  };
  const qint32 poll = StoreFinancial(
      financial, {set("Sales", "Item Sales Count", "7"), set("Sales", "Item Sales Total", "70.00"),
                  set("Sales", "BItmDisc01 Count", "1"), set("Sales", "BItmDisc01 Total", "2.00"),
                  set("Sales", "PLU Item Count", "2"), set("Sales", "PLU Item Total", "4.00"),
                  set("Sales", "St Disc1 Count", "1"), set("Sales", "St Disc1 Total", "3.00"),
                  set("Receipts", "Cash 1 Count", "1"), set("Receipts", "Cash 1 Total", "5.00")});
  const std::optional<RptPageModel> model = Generate(financial, poll, false);
  ASSERT_TRUE(model);
  QStringList lines;
  for (const QStringList& page : PageLines(*model)) lines << page;
  for (const char* line : {"D1 7 $70.00 $10.00", "F84(2) 1 $2.00 $2.00", "2 $4.00 $2.00", "Subtotal Discount 01 1 $3.00 $3.00",
                           "Cash 1 1 $5.00 $5.00"})
    EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line << "\n" << lines.join(u'\n').toStdString();
}

// Groups 1 and 4 print, 2 and 5 do not, 3 is empty; the cashier has figures in 1 to 5.
TEST_F(LineCaptions, CashierMajorGroupsFollowTheirPrintControlFlags) {
  AddPrintControl<kPrintControl>(driver, {{1, true}, {2, false}, {4, true}, {5, false}});
  auto& cashier = AddReport<tEcrRptCrs3000Cashier>();
  QVariantMap figures{{"Memory Number", 1}};
  for (int g = 1; g <= 5; ++g) figures.insert(QStringLiteral("Major Group %1 Count").arg(g, 2, 10, QLatin1Char('0')), g);
  struct GateCase {
    const char* name;
    QVariantMap row;
    bool zeroSkip;
    QStringList groups;  // the major-group lines printed
  };
  const GateCase cases[] = {
      {"zero skip: the set flags print, the false and empty ones do not", figures, true,
       {"Major Group 01 1 $.00", "Major Group 04 4 $.00"}},
      {"without zero skip the gate still holds", figures, false, {"Major Group 01 1 $.00", "Major Group 04 4 $.00"}},
      {"a gated-off group still keeps the header", {{"Memory Number", 1}, {"Major Group 02 Count", 2}}, true, {}},
  };
  for (const GateCase& c : cases) {
    const QStringList lines = Block(cashier, c.row, c.zeroSkip);
    QStringList groups;
    for (const QString& line : lines)
      if (QRegularExpression(QStringLiteral("^Major Group \\d\\d ")).match(line).hasMatch()) groups << line;
    EXPECT_EQ(groups, c.groups) << c.name << "\n" << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.mid(0, 2), (QStringList{kCashierHeader, "1"})) << c.name << ": the header and number";
  }
}

TEST_F(LineCaptions, APrintControlWithoutARowHidesEveryMajorGroup) {
  AddPrintControl<kPrintControl>(driver, {}, false);
  auto& cashier = AddReport<tEcrRptCrs3000Cashier>();
  const QStringList lines = BlockLines(cashier, {{"Memory Number", 1}, {"Major Group 01 Count", 1}}, false, kCashierHeader);
  EXPECT_EQ(lines.size(), 91 - 20) << lines.join(u'\n').toStdString();
  EXPECT_FALSE(lines.contains(QStringLiteral("Major Group 01 1 $.00")));
}

TEST_F(LineCaptions, WithoutPrintControlTheGroupsAreUngatedAndTheDayShiftNeverGates) {
  auto& cashier = AddReport<tEcrRptCrs3000Cashier>();
  const QVariantMap row{{"Memory Number", 1}, {"Major Group 03 Count", 1}};
  EXPECT_EQ(BlockLines(cashier, row, true, kCashierHeader), QStringList{"Major Group 03 1 $.00"});
  AddPrintControl<kPrintControl>(driver, {});
  auto& shifts = AddReport<tEcrRptCrs3000DayShift>();
  EXPECT_EQ(BlockLines(shifts, {{"Day Shift Id", 1}, {"Major Group 03 Count", 1}}, true, kShiftHeader),
            QStringList{"Major Group 03 1 $.00"});
}

// Each print-control program lets one group print: the plain one group 1, the 2.21 one group
// 2, the 3.04 one group 3, the 4.02 one group 4. The descriptors name item sales by the
// driver's class. Every ROM version of the register, by its class and ROM text.
TEST_F(LineCaptions, EachRomBindsItsPrintControlAndDescriptors) {
  tRomDriver rom;
  AddPrintControl<kPrintControl>(rom, {{1, true}});
  AddPrintControl<kPrintControl221>(rom, {{2, true}});
  AddPrintControl<kPrintControl304>(rom, {{3, true}});
  AddPrintControl<kPrintControl402>(rom, {{4, true}});
  AddNaming<kDescriptors>(rom, QStringLiteral("Number"), {{{"Number", 1}, {"Descriptor", "PLAIN"}}});
  AddNaming<kDescriptors221>(rom, QStringLiteral("Number"), {{{"Number", 1}, {"Descriptor", "OLD ROM"}}});
  auto made = tEcrFnct::New<tEcrRptCrs3000Cashier>(&rom);
  tEcrRptCrs3000Cashier& cashier = *made;
  rom.Add(std::move(made));
  QVariantMap row{{"Memory Number", 1}, {"Item Sales Count", 1}, {"Item Sales Total", 1.0}};
  for (int g = 1; g <= 4; ++g) row.insert(QStringLiteral("Major Group %1 Count").arg(g, 2, 10, QLatin1Char('0')), 1);
  const qint32 poll = Store(cashier, {row});

  const QMap<QString, int> groupOf{{"2.21 Not Recommended", 2}, {"3.04", 3}, {"3.05", 3}, {"4.02", 4}, {"4.03", 4}};
  ASSERT_EQ(Crs3000RomVersions::All().size(), 18);
  for (const Crs3000RomVersion& version : Crs3000RomVersions::All()) {
    rom.romClass = &ClassByName(version.ClassName);
    rom.rom = version.RomName;
    const std::optional<RptPageModel> model = Generate(cashier, poll, true);
    ASSERT_TRUE(model) << version.RomName.toStdString();
    const QString item = version.ClassName == QLatin1String("tEcrCrs3000V0221") ? QStringLiteral("OLD ROM") : QStringLiteral("PLAIN");
    const QString group = QStringLiteral("Major Group 0%1 1 $.00").arg(groupOf.value(version.RomName, 1));
    EXPECT_EQ(LinesBelow(*model, kCashierHeader).mid(1), (QStringList{item + QStringLiteral(" 1 $1.00 $1.00"), group,
                                                                      QStringLiteral("Avg $/Item $1.00")}))
        << version.RomName.toStdString();
  }
}
