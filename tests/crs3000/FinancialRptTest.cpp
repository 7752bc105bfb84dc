// The financial report: a head and five sections decoded from one combined record, saved
// as six consecutive polls with one row in each section table, all or nothing; the tables
// of the sales and receipts sections and the values they take from the record.
#include "model/ModelFixture.h"

#include "TestSupport.h"
#include "crs3000/Crs3000FnclFields.h"
#include "crs3000/Crs3000FnclSectionLayout.h"
#include "crs3000/tEcrCrs3000.h"
#include "crs3000/tEcrRptCrs3000Financial.h"
#include "crs3000/tEcrRptCrs3000FnclSection.h"
#include "model/ERecMismatch.h"
#include "model/EcrErrors.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>
#include <QMap>

namespace {
using TestSupport::Hex;
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

QByteArray Header() { return Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1); }

QByteArray SignedBcd(qint64 value, int width) {
  const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
  return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
}

// The field names, one text so that a failure shows them readably.
QString Joined(const QStringList& names) { return names.join(QLatin1String(" | ")); }

QStringList Names(const std::optional<TTableDef>& def) {
  QStringList names;
  if (def)
    for (const TFieldDef& field : def->fields) names << field.name;
  return names;
}

// ---- The sections' totalisers as the record lays them out, offsets from the section start.
struct Totaliser {
  QString name;
  int at;         // of the total; the count follows it
  int countWidth; // 0: no count
};

struct Run {
  const char* name;
  int at;
  int countWidth = 0;
  int members = 0; // 0: a single totaliser
  int digits = 1;
};

QList<Totaliser> Expand(std::initializer_list<Run> runs) {
  QList<Totaliser> out;
  for (const Run& run : runs) {
    if (run.members == 0) {
      out.append({QString::fromLatin1(run.name), run.at, run.countWidth});
      continue;
    }
    for (int n = 1; n <= run.members; ++n)
      out.append({QString::fromLatin1(run.name) + QStringLiteral("%1").arg(n, run.digits, 10, QLatin1Char('0')),
                  run.at + (6 + run.countWidth) * (n - 1), run.countWidth});
  }
  return out;
}

const QList<Totaliser>& SalesTotalisers() {
  static const QList<Totaliser> list = Expand({{"Item Sales", 0, 5},   {"Net Coupon", 11, 3},    {"AItmDisc", 20, 3, 10, 2},
                                               {"PLU Item", 110, 5},   {"Adjust PLU", 121},      {"Ven Coupon", 127, 3},
                                               {"BItmDisc", 136, 3, 10, 2}, {"St Disc", 226, 3, 5}, {"Net Sales", 271},
                                               {"Tax ", 277, 0, 4},    {"St Add On ", 301, 3, 5}, {"GC Sold ", 346, 3, 3},
                                               {"Promo Item", 373, 3}, {"PrmoItmSale", 382, 3},  {"Gross Sales", 391},
                                               {"Ystrday Gr", 397},    {"GS Grand", 403}});
  return list;
}

const QList<Totaliser>& ReceiptsTotalisers() {
  static const QList<Totaliser> list = Expand({{"Cash ", 0, 3, 5},       {"Check ", 45, 3, 5},    {"Charge ", 90, 3, 10, 2},
                                               {"A GC Redeem", 198, 3},  {"Gross Sales", 207},    {"Recd Acct ", 213, 3, 5},
                                               {"Paid Out ", 258, 3, 8}, {"CA In Dwr", 330, 3},   {"CA Dec", 339},
                                               {"CA Ovr Shrt", 345},     {"Chk In Dwr", 351, 3},  {"Chk Dec", 360},
                                               {"Chk Ovr Shrt", 366},    {"Chg In Dwr", 372, 3},  {"Frgn Curr ", 381, 3, 5},
                                               {"B GC Redeem", 426, 3}});
  return list;
}

// The values a section holds: total (cents) and count by column, and the bytes of them.
struct SectionBytes {
  QByteArray bytes;
  QMap<QString, qint64> expected; // "X Total" in cents, "X Count"
};

// Every total negative with eleven digits, the last the largest there is; every count
// negative and as wide as its bytes allow; filler bytes where no totaliser lies.
SectionBytes Fill(const QList<Totaliser>& totalisers, int size, int salt) {
  SectionBytes s{QByteArray(size, char(0x99)), {}};
  for (qsizetype k = 0; k < totalisers.size(); ++k) {
    const Totaliser& t = totalisers[k];
    const qint64 cents = k + 1 == totalisers.size() ? -99999999999LL : -(10000000000LL + salt * 1000003LL + k * 7919LL);
    s.bytes.replace(t.at, 6, SignedBcd(cents, 6));
    s.expected[t.name + QStringLiteral(" Total")] = cents;
    if (t.countWidth) {
      const qint64 count = -(QString(2 * t.countWidth - 1, QLatin1Char('9')).toLongLong() - salt - k);
      s.bytes.replace(t.at + 6, t.countWidth, SignedBcd(count, t.countWidth));
      s.expected[t.name + QStringLiteral(" Count")] = count;
    }
  }
  return s;
}

struct Layout {
  const char* rom;
  const char* head;
  int size;
  QStringList sections; // classes, in chain order
  QStringList tables;
};

const Layout kLayouts[] = {
    {"tEcrCrs3000V0302", "tEcrRptCrs3000Financial", 1296,
     {"tEcrRptCrs3000Sales", "tEcrRptCrs3000Receipts", "tEcrRptCrs3000Memo", "tEcrRptCrs3000SysBal",
      "tEcrRptCrs3000TblSrvc"},
     {"tEcrRptCrs3000Sales", "tEcrRptCrs3000Receipts", "tEcrRptCrs3000Memo", "tEcrRptCrs3000SysBal",
      "tEcrRptCrs3000TblSrvc"}},
    {"tEcrCrs3000V0225", "tEcrRptCrs3000Fncl224", 1290,
     {"tEcrRptCrs3000Sales224", "tEcrRptCrs3000Rcpts224", "tEcrRptCrs3000Memo224", "tEcrRptCrs3000SysBal224",
      "tEcrRptCrs3000TblSrvc224"},
     {"tEcrRptCrs3000Sales", "tEcrRptCrs3000Receipts", "tEcrRptCrs3000Memo", "tEcrRptCrs3000SysBal",
      "tEcrRptCrs3000TblSrvc"}},
    {"tEcrCrs3000V0304", "tEcrRptCrs3000Fncl303", 1305,
     {"tEcrRptCrs3000Sales303", "tEcrRptCrs3000Rcpts303", "tEcrRptCrs3000Memo303", "tEcrRptCrs3000SysBal303",
      "tEcrRptCrs3000TblSrvc303"},
     {"tEcrRptCrs3000Sales", "tEcrRptCrs3000Receipts", "tEcrRptCrs3000Memo", "tEcrRptCrs3000SysBal",
      "tEcrRptCrs3000TblSrvc303"}},
};
const QStringList kRptNames{"Financial", "Sales", "Receipts", "Memo", "System Balancing", "Table Service"};

class FinancialRpt : public CrsFixture {
protected:
  // The financial report of a driver of that ROM.
  tEcrRpt& HeadOf(const char* romClass) {
    driver = tEcr::New(ClassByName(QLatin1String(romClass)));
    tEcrRpt* head = nullptr;
    for (const char* name : {"tEcrRptCrs3000Financial", "tEcrRptCrs3000Fncl224", "tEcrRptCrs3000Fncl303"})
      if (!head) head = driver->FindRptByClass(QLatin1String(name));
    EXPECT_NE(head, nullptr) << romClass << " lists no financial report";
    return *head;
  }
  // One combined record: sales, receipts, then the other sections as filler.
  QByteArray Record(int size) {
    sales = Fill(SalesTotalisers(), 409, 1);
    // The register's own bytes for the first totaliser: -12.34, counted 56 times.
    sales.bytes.replace(0, 11, Hex("00 00 00 01 23 4D  00 00 00 05 6C"));
    sales.expected[QStringLiteral("Item Sales Total")] = -1234;
    sales.expected[QStringLiteral("Item Sales Count")] = 56;
    receipts = Fill(ReceiptsTotalisers(), 435, 2);
    return sales.bytes + receipts.bytes + QByteArray(size - 844, '\0');
  }
  void Save(tEcrRpt& head, const QByteArray& data) {
    QFile file(WorkFile(QStringLiteral("fncl.blk"), {Header(), Framed(data, 2)}));
    head.ReadBlockFile(file);
  }
  // The row of a section table, by the columns expected of it, totals in cents.
  static QMap<QString, qint64> Row(const QString& table, qint64 pollId, const QStringList& columns) {
    QStringList quoted;
    for (const QString& c : columns) quoted << QLatin1Char('"') + c + QLatin1Char('"');
    TQuery query(kData);
    query.Exec(QStringLiteral("SELECT %1 FROM \"%2\" WHERE \"Poll Id\" = ?").arg(quoted.join(QLatin1String(", ")), table),
               {pollId});
    QMap<QString, qint64> row;
    if (!query.Next()) return row;
    for (int i = 0; i < columns.size(); ++i)
      row[columns[i]] = columns[i].endsWith(QLatin1String(" Total")) ? qRound64(query.Value(i).toDouble() * 100)
                                                                    : query.Value(i).toLongLong();
    return row;
  }
  static void ExpectRow(const QString& table, qint64 pollId, const QMap<QString, qint64>& expected) {
    const QMap<QString, qint64> row = Row(table, pollId, expected.keys());
    ASSERT_EQ(row.size(), expected.size()) << table.toStdString() << " has no row of poll " << pollId;
    for (auto it = expected.begin(); it != expected.end(); ++it)
      EXPECT_EQ(row.value(it.key()), it.value()) << table.toStdString() << ": " << it.key().toStdString();
  }
  std::unique_ptr<tEcr> driver;
  SectionBytes sales, receipts;
};

TEST(FinancialTables, TheHeadTableIsPollIdAndADummyField) {
  auto head = tEcrFnct::New<tEcrRptCrs3000Fncl303>(nullptr);
  const std::optional<TTableDef> def = head->DescribeTable();
  ASSERT_TRUE(def.has_value());
  EXPECT_EQ(def->name, QStringLiteral("tEcrRptCrs3000Financial"));
  EXPECT_EQ(Names(def), (QStringList{"Poll Id", "Dummy Field"}));
  for (const TFieldDef& field : def->fields) EXPECT_EQ(field.type, TFieldType::Long) << field.name.toStdString();
  ASSERT_EQ(def->indexes.size(), 1);
  EXPECT_TRUE(def->indexes[0].primary);
  EXPECT_EQ(def->indexes[0].fields, QStringList{"Poll Id"});
  EXPECT_EQ(head->GetRptCode(), 33);
  EXPECT_EQ(head->GetRptName(), QStringLiteral("Financial"));
  EXPECT_EQ(head->GetPrgRecSize(), 0);
}

TEST(FinancialTables, EverySectionTableIsKeyedByPollIdFirst) {
  for (const Layout& layout : kLayouts)
    for (const QString& name : layout.sections) {
      std::unique_ptr<tEcrFnct> section = tEcrFnct::CreateByClass(ClassByName(name), nullptr);
      const std::optional<TTableDef> def = dynamic_cast<tEcrRpt&>(*section).DescribeTable();
      ASSERT_TRUE(def && !def->fields.isEmpty()) << name.toStdString();
      EXPECT_EQ(def->fields[0], (TFieldDef{QStringLiteral("Poll Id"), TFieldType::Long, 0})) << name.toStdString();
      ASSERT_EQ(def->indexes.size(), 1) << name.toStdString();
      EXPECT_TRUE(def->indexes[0].primary) << name.toStdString();
      EXPECT_EQ(def->indexes[0].fields, QStringList{"Poll Id"}) << name.toStdString();
    }
}

// The places of the combined record, as the register's three layouts have them.
TEST(FinancialTables, EachLayoutChainsItsSectionsOverTheWholeRecord) {
  const int offsets[] = {0, 409, 844, 1012, 1137};
  const int skips[3][5] = {{887, 861, 1128, 1171, 1137}, {881, 855, 1122, 1165, 1137}, {896, 870, 1137, 1180, 1137}};
  const int lastSize[] = {159, 153, 168};
  for (int v = 0; v < 3; ++v) {
    const Layout& layout = kLayouts[v];
    std::unique_ptr<tEcrFnct> made = tEcrFnct::CreateByClass(ClassByName(QLatin1String(layout.head)), nullptr);
    auto* report = dynamic_cast<tEcrRptCrs3000*>(made.get());
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->GetSkipBytes(), layout.size) << layout.head;
    EXPECT_EQ(report->GetRecStart(), 0) << layout.head;
    for (int s = 0; s < 5; ++s) {
      const TClass* next = report->NextRptClass();
      ASSERT_NE(next, nullptr) << layout.head << " section " << s;
      ASSERT_EQ(next->ClassName(), layout.sections[s]);
      made = tEcrFnct::CreateByClass(*next, nullptr);
      report = dynamic_cast<tEcrRptCrs3000*>(made.get());
      ASSERT_NE(report, nullptr);
      const std::string name = next->ClassName().toStdString();
      EXPECT_EQ(report->GetRecStart(), offsets[s]) << name;
      EXPECT_EQ(report->GetPrgRecSize(), s < 4 ? offsets[s + 1] - offsets[s] : lastSize[v]) << name;
      EXPECT_EQ(report->GetSkipBytes(), skips[v][s]) << name;
      EXPECT_EQ(report->GetRecsInBlk(), 1) << name;
      EXPECT_EQ(report->GetRptCode(), 0) << name;
      EXPECT_EQ(report->GetRptName(), kRptNames[s + 1]) << name;
      EXPECT_EQ(report->GetTableName(), layout.tables[s]) << name;
    }
    EXPECT_EQ(report->NextRptClass(), nullptr);
  }
}

// Every class of a section declares these columns, counts as long integers and totals as
// money.
void ExpectSectionColumns(std::initializer_list<const char*> classes, const QStringList& expected) {
  for (const char* cls : classes) {
    std::unique_ptr<tEcrFnct> section = tEcrFnct::CreateByClass(ClassByName(QLatin1String(cls)), nullptr);
    const std::optional<TTableDef> def = dynamic_cast<tEcrRpt&>(*section).DescribeTable();
    EXPECT_EQ(Joined(Names(def)), Joined(expected)) << cls;
    for (const TFieldDef& field : def->fields.mid(1))
      EXPECT_EQ(field.type, field.name.endsWith(QLatin1String(" Total")) ? TFieldType::Money : TFieldType::Long)
          << field.name.toStdString();
  }
}

TEST(FinancialTables, TheSalesTableHoldsCountsBeforeTotalsInRecordOrder) {
  const QStringList expected{
      "Poll Id", "Item Sales Count", "Item Sales Total", "Net Coupon Count", "Net Coupon Total", "AItmDisc01 Count",
      "AItmDisc01 Total", "AItmDisc02 Count", "AItmDisc02 Total", "AItmDisc03 Count", "AItmDisc03 Total",
      "AItmDisc04 Count", "AItmDisc04 Total", "AItmDisc05 Count", "AItmDisc05 Total", "AItmDisc06 Count",
      "AItmDisc06 Total", "AItmDisc07 Count", "AItmDisc07 Total", "AItmDisc08 Count", "AItmDisc08 Total",
      "AItmDisc09 Count", "AItmDisc09 Total", "AItmDisc10 Count", "AItmDisc10 Total", "PLU Item Count",
      "PLU Item Total", "Adjust PLU Total", "Ven Coupon Count", "Ven Coupon Total", "BItmDisc01 Count",
      "BItmDisc01 Total", "BItmDisc02 Count", "BItmDisc02 Total", "BItmDisc03 Count", "BItmDisc03 Total",
      "BItmDisc04 Count", "BItmDisc04 Total", "BItmDisc05 Count", "BItmDisc05 Total", "BItmDisc06 Count",
      "BItmDisc06 Total", "BItmDisc07 Count", "BItmDisc07 Total", "BItmDisc08 Count", "BItmDisc08 Total",
      "BItmDisc09 Count", "BItmDisc09 Total", "BItmDisc10 Count", "BItmDisc10 Total", "St Disc1 Count",
      "St Disc1 Total", "St Disc2 Count", "St Disc2 Total", "St Disc3 Count", "St Disc3 Total", "St Disc4 Count",
      "St Disc4 Total", "St Disc5 Count", "St Disc5 Total", "Net Sales Total", "Tax 1 Total", "Tax 2 Total",
      "Tax 3 Total", "Tax 4 Total", "St Add On 1 Count", "St Add On 1 Total", "St Add On 2 Count", "St Add On 2 Total",
      "St Add On 3 Count", "St Add On 3 Total", "St Add On 4 Count", "St Add On 4 Total", "St Add On 5 Count",
      "St Add On 5 Total", "GC Sold 1 Count", "GC Sold 1 Total", "GC Sold 2 Count", "GC Sold 2 Total",
      "GC Sold 3 Count", "GC Sold 3 Total", "Promo Item Count", "Promo Item Total", "PrmoItmSale Count",
      "PrmoItmSale Total", "Gross Sales Total", "Ystrday Gr Total", "GS Grand Total"};
  ExpectSectionColumns({"tEcrRptCrs3000Sales", "tEcrRptCrs3000Sales224", "tEcrRptCrs3000Sales303"}, expected);
}

TEST(FinancialTables, TheReceiptsTableHoldsCountsBeforeTotalsInRecordOrder) {
  const QStringList expected{
      "Poll Id", "Cash 1 Count", "Cash 1 Total", "Cash 2 Count", "Cash 2 Total", "Cash 3 Count", "Cash 3 Total",
      "Cash 4 Count", "Cash 4 Total", "Cash 5 Count", "Cash 5 Total", "Check 1 Count", "Check 1 Total",
      "Check 2 Count", "Check 2 Total", "Check 3 Count", "Check 3 Total", "Check 4 Count", "Check 4 Total",
      "Check 5 Count", "Check 5 Total", "Charge 01 Count", "Charge 01 Total", "Charge 02 Count", "Charge 02 Total",
      "Charge 03 Count", "Charge 03 Total", "Charge 04 Count", "Charge 04 Total", "Charge 05 Count", "Charge 05 Total",
      "Charge 06 Count", "Charge 06 Total", "Charge 07 Count", "Charge 07 Total", "Charge 08 Count", "Charge 08 Total",
      "Charge 09 Count", "Charge 09 Total", "Charge 10 Count", "Charge 10 Total", "A GC Redeem Count",
      "A GC Redeem Total", "Gross Sales Total", "Recd Acct 1 Count", "Recd Acct 1 Total", "Recd Acct 2 Count",
      "Recd Acct 2 Total", "Recd Acct 3 Count", "Recd Acct 3 Total", "Recd Acct 4 Count", "Recd Acct 4 Total",
      "Recd Acct 5 Count", "Recd Acct 5 Total", "Paid Out 1 Count", "Paid Out 1 Total", "Paid Out 2 Count",
      "Paid Out 2 Total", "Paid Out 3 Count", "Paid Out 3 Total", "Paid Out 4 Count", "Paid Out 4 Total",
      "Paid Out 5 Count", "Paid Out 5 Total", "Paid Out 6 Count", "Paid Out 6 Total", "Paid Out 7 Count",
      "Paid Out 7 Total", "Paid Out 8 Count", "Paid Out 8 Total", "CA In Dwr Count", "CA In Dwr Total", "CA Dec Total",
      "CA Ovr Shrt Total", "Chk In Dwr Count", "Chk In Dwr Total", "Chk Dec Total", "Chk Ovr Shrt Total",
      "Chg In Dwr Count", "Chg In Dwr Total", "Frgn Curr 1 Count", "Frgn Curr 1 Total", "Frgn Curr 2 Count",
      "Frgn Curr 2 Total", "Frgn Curr 3 Count", "Frgn Curr 3 Total", "Frgn Curr 4 Count", "Frgn Curr 4 Total",
      "Frgn Curr 5 Count", "Frgn Curr 5 Total", "B GC Redeem Count", "B GC Redeem Total"};
  ExpectSectionColumns({"tEcrRptCrs3000Receipts", "tEcrRptCrs3000Rcpts224", "tEcrRptCrs3000Rcpts303"}, expected);
}

// The value names handed to outside callers are the sections' total columns.
TEST(FinancialTables, TheTotalColumnsAreTheFinancialValueNames) {
  const QStringList classes{"tEcrRptCrs3000Sales", "tEcrRptCrs3000Receipts"};
  for (int s = 0; s < classes.size(); ++s) {
    std::unique_ptr<tEcrFnct> section = tEcrFnct::CreateByClass(ClassByName(classes[s]), nullptr);
    QStringList totals = Names(dynamic_cast<tEcrRpt&>(*section).DescribeTable()).filter(QStringLiteral(" Total"));
    EXPECT_EQ(Joined(totals), Joined(Crs3000FnclFields::FnclFieldNames()[s])) << classes[s].toStdString();
  }
}

// A section whose totalisers do not fill its bytes is refused when it is built.
TEST(FinancialTables, ASectionLayoutMustFillItsBytes) {
  EXPECT_NO_THROW(Crs3000FnclSectionLayout(17, 3, {{"A", 3}, {nullptr, 0, 0, 0, 2}, {"B"}}));
  EXPECT_THROW(Crs3000FnclSectionLayout(18, 3, {{"A", 3}, {nullptr, 0, 0, 0, 2}, {"B"}}), EAssertionFailed);
  EXPECT_THROW(Crs3000FnclSectionLayout(16, 3, {{"A", 3}, {nullptr, 0, 0, 0, 2}, {"B"}}), EAssertionFailed);
}

TEST_F(FinancialRpt, APollOfEachLayoutIsSixConsecutivePollsAndARowInEachSection) {
  for (const Layout& layout : kLayouts) {
    SCOPED_TRACE(layout.head);
    tEcrRpt& head = HeadOf(layout.rom);
    ASSERT_EQ(head.ClassName(), QLatin1String(layout.head));
    Save(head, Record(layout.size));
    const qint64 p = head.PollId;
    ASSERT_GT(p, 0);
    TQuery polls(kData);
    polls.Exec(QStringLiteral("SELECT \"Poll Id\", \"EcrRptClass\", \"Report Name\" FROM \"AllPolls\" "
                              "WHERE \"Poll Id\" >= ? ORDER BY \"Poll Id\""),
               {p});
    const QStringList classes = QStringList{QLatin1String(layout.head)} + layout.sections;
    for (int i = 0; i < 6; ++i) {
      ASSERT_TRUE(polls.Next()) << i;
      EXPECT_EQ(polls.Value(0).toLongLong(), p + i);
      EXPECT_EQ(polls.Value(1).toString(), classes[i]);
      EXPECT_EQ(polls.Value(2).toString(), kRptNames[i]);
    }
    EXPECT_FALSE(polls.Next());
    // Every poll of the chain carries the one header.
    TQuery headers(kData);
    headers.Exec(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT \"Ecr Date\", \"Poll Type\", \"Polled Area\", "
                                "\"Z Counter\", \"Misc Data 1\" FROM \"AllPolls\" WHERE \"Poll Id\" >= ?)"),
                 {p});
    ASSERT_TRUE(headers.Next());
    EXPECT_EQ(headers.Value(0).toInt(), 1);
    // The head keeps no figures; each section one row, under its own poll.
    EXPECT_EQ(Rows(kData, QStringLiteral("tEcrRptCrs3000Financial")), 0);
    for (int s = 0; s < 5; ++s)
      EXPECT_EQ(Rows(kData, layout.tables[s], QStringLiteral("\"Poll Id\" = ?"), {p + 1 + s}), 1) << layout.tables[s].toStdString();
    ExpectRow(QStringLiteral("tEcrRptCrs3000Sales"), p + 1, sales.expected);
    ExpectRow(QStringLiteral("tEcrRptCrs3000Receipts"), p + 2, receipts.expected);
  }
}

// What other programs are answered for a stored financial poll: its figures, read from the
// five section polls that followed the head.
TEST_F(FinancialRpt, TheFiguresForOutsideCallersComeFromTheSavedSections) {
  for (const Layout& layout : kLayouts) {
    SCOPED_TRACE(layout.head);
    tEcrRpt& head = HeadOf(layout.rom);
    Save(head, Record(layout.size));
    QStringList list;
    driver->GetFnclPoll(list, QString::number(head.PollId));
    ASSERT_EQ(list.size(), 1 + 2 * 146);
    EXPECT_EQ(list.at(0), QStringLiteral("146"));
    EXPECT_EQ(list.at(1), QStringLiteral("Sales-Item Sales Total"));
    EXPECT_EQ(list.at(2), QStringLiteral("-12.34"));
    const qsizetype cash = list.indexOf(QStringLiteral("Rcpts-Cash 1 Total"));
    ASSERT_GT(cash, 0);
    ASSERT_TRUE(receipts.expected.contains(QStringLiteral("Cash 1 Total")));
    EXPECT_NE(receipts.expected.value(QStringLiteral("Cash 1 Total")), 0);
    EXPECT_EQ(qRound64(list.at(cash + 1).toDouble() * 100), receipts.expected.value(QStringLiteral("Cash 1 Total")));
    EXPECT_EQ(list.at(list.indexOf(QStringLiteral("Memo-Waste Total")) + 1), QStringLiteral("0"));
  }
}

// A job that exports: each section exports its own poll once it is stored, in chain
// order; the head, which keeps no figures, exports nothing.
TEST_F(FinancialRpt, AnExportingJobExportsTheFiveSectionsAndNotTheHead) {
  tEcrRpt& head = HeadOf("tEcrCrs3000V0304");
  head.AutoExport = true;
  head.ExportFile = dir.filePath(QStringLiteral("export.txt"));
  Save(head, Record(1305));
  const qint64 p = head.PollId;
  QList<qint64> exported;
  for (const QByteArray& line : TestSupport::ReadFile(head.ExportFile).split('\n'))
    if (!line.trimmed().isEmpty()) exported << line.split(',').first().toLongLong();
  EXPECT_EQ(exported, (QList<qint64>{p + 1, p + 2, p + 3, p + 4, p + 5}));
}

// The last section cannot store its row (its table is damaged): the head and the four
// sections before it leave no row either.
TEST_F(FinancialRpt, AFailureInTheLastSectionLeavesNoRowAnywhere) {
  TQuery(kData).Exec(QStringLiteral("CREATE TABLE \"tEcrRptCrs3000TblSrvc\" (\"Poll Id\" GEOMETRY)"), {});
  tEcrRpt& head = HeadOf("tEcrCrs3000V0302");
  try {
    Save(head, Record(1296));
    ADD_FAILURE() << "saved";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("tEcrRptCrs3000TblSrvc"))) << e.what();
  }
  EXPECT_TRUE(PollIds().isEmpty());
  EXPECT_EQ(head.PollId, 0);
  for (const char* table : {"tEcrRptCrs3000Financial", "tEcrRptCrs3000Sales", "tEcrRptCrs3000Receipts",
                            "tEcrRptCrs3000Memo", "tEcrRptCrs3000SysBal"})
    EXPECT_EQ(Rows(kData, QLatin1String(table)), 0) << table;
}

// A register that answers with another layout of the record than its driver's: nothing is stored.
TEST_F(FinancialRpt, ARecordOfAnotherLayoutStoresNothing) {
  const struct {
    const char* rom;
    int size;
  } cases[] = {{"tEcrCrs3000V0302", 1290}, {"tEcrCrs3000V0302", 1305}, {"tEcrCrs3000V0225", 1296},
               {"tEcrCrs3000V0304", 1296}, {"tEcrCrs3000V0403", 1305}, {"tEcrCrs3000V0304", 1306}};
  for (const auto& c : cases) {
    tEcrRpt& head = HeadOf(c.rom);
    try {
      Save(head, Record(c.size));
      ADD_FAILURE() << c.rom << " saved a record of " << c.size << " bytes";
    } catch (const ERecMismatch& e) {
      EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Block Size Mismatch, got: "))) << e.what();
    }
    EXPECT_TRUE(PollIds().isEmpty()) << c.rom << " " << c.size;
  }
}
} // namespace
