// The cashier and day/shift reports over whole polls, as registers of both record sizes
// answer them: their tables column by column against the record's list of totalisers,
// every column read from its own bytes, records numbered across blocks, the names of a
// register without an employee program, extreme and unreadable values, and blocks that
// are no whole number of records.
#include "model/ModelFixture.h"
#include "NamePrograms.h"

#include "TestSupport.h"
#include "crs3000/tEcrCrs3000.h"
#include "crs3000/tEcrPrgCrs3000.h"
#include "crs3000/tEcrRptCrs3000.h"
#include "model/ERecMismatch.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>

namespace {
using TestSupport::Hex;

// A totaliser column and where its value lies in the record.
struct Place {
  const char* column;
  int offset;
  int width;
};

// The columns of the 763-byte record, in table order: each count before its total.
const Place kRecord763[] = {
    {"Item Sales Count", 6, 5}, {"Item Sales Total", 0, 6}, {"PLU Item Count", 17, 5}, {"PLU Item Total", 11, 6},
    {"Coupon Count", 28, 3}, {"Coupon Total", 22, 6}, {"Discount Count", 37, 5}, {"Discount Total", 31, 6},
    {"Net Sales Total", 42, 6}, {"Tax Total", 48, 6}, {"Subtotal Percent Count", 60, 3},
    {"Subtotal Percent Total", 54, 6}, {"Guest Check Sold Count", 69, 3}, {"Guest Check Sold Total", 63, 6},
    {"Promotion Count", 78, 5}, {"Promotion Total", 72, 6}, {"Gross Sales Total", 83, 6}, {"No Sale Count", 89, 3},
    {"Customers Count", 92, 3}, {"Number of Guests Count", 95, 3}, {"Guests Count", 98, 3},
    {"Refund Count", 107, 5}, {"Refund Total", 101, 6}, {"Error Correct Count", 118, 5},
    {"Error Correct Total", 112, 6}, {"Void Count", 129, 5}, {"Void Total", 123, 6}, {"Cancel Count", 140, 5},
    {"Cancel Total", 134, 6}, {"Transaction Void Count", 151, 5}, {"Transaction Void Total", 145, 6},
    {"Negative Sales Count", 162, 5}, {"Negative Sales Total", 156, 6}, {"Waste Count", 173, 5},
    {"Waste Total", 167, 6}, {"Received Account Count", 184, 3}, {"Received Account Total", 178, 6},
    {"Paid Out Count", 193, 3}, {"Paid Out Total", 187, 6}, {"Cash Drawer Count", 202, 3},
    {"Cash Drawer Total", 196, 6}, {"Cash Drawer Declare", 205, 6}, {"Cash Over Short Total", 211, 6},
    {"Check Drawer Count", 223, 3}, {"Check Drawer Total", 217, 6}, {"Check Drawer Declare", 226, 6},
    {"Check Over Short Total", 232, 6}, {"Charge Drawer Count", 244, 3}, {"Charge Drawer Total", 238, 6},
    {"Foreign Currency 1 Total", 247, 6}, {"Foreign Currency 2 Total", 253, 6},
    {"Foreign Currency 3 Total", 259, 6}, {"Foreign Currency 4 Total", 265, 6},
    {"Foreign Currency 5 Total", 271, 6}, {"Guest Check Redeem Count", 283, 3},
    {"Guest Check Redeem Total", 277, 6}, {"Major Group 01 Count", 292, 5}, {"Major Group 01 Total", 286, 6},
    {"Major Group 02 Count", 303, 5}, {"Major Group 02 Total", 297, 6}, {"Major Group 03 Count", 314, 5},
    {"Major Group 03 Total", 308, 6}, {"Major Group 04 Count", 325, 5}, {"Major Group 04 Total", 319, 6},
    {"Major Group 05 Count", 336, 5}, {"Major Group 05 Total", 330, 6}, {"Major Group 06 Count", 347, 5},
    {"Major Group 06 Total", 341, 6}, {"Major Group 07 Count", 358, 5}, {"Major Group 07 Total", 352, 6},
    {"Major Group 08 Count", 369, 5}, {"Major Group 08 Total", 363, 6}, {"Major Group 09 Count", 380, 5},
    {"Major Group 09 Total", 374, 6}, {"Major Group 10 Count", 391, 5}, {"Major Group 10 Total", 385, 6},
    {"Major Group 11 Count", 402, 5}, {"Major Group 11 Total", 396, 6}, {"Major Group 12 Count", 413, 5},
    {"Major Group 12 Total", 407, 6}, {"Major Group 13 Count", 424, 5}, {"Major Group 13 Total", 418, 6},
    {"Major Group 14 Count", 435, 5}, {"Major Group 14 Total", 429, 6}, {"Major Group 15 Count", 446, 5},
    {"Major Group 15 Total", 440, 6}, {"Major Group 16 Count", 457, 5}, {"Major Group 16 Total", 451, 6},
    {"Major Group 17 Count", 468, 5}, {"Major Group 17 Total", 462, 6}, {"Major Group 18 Count", 479, 5},
    {"Major Group 18 Total", 473, 6}, {"Major Group 19 Count", 490, 5}, {"Major Group 19 Total", 484, 6},
    {"Major Group 20 Count", 501, 5}, {"Major Group 20 Total", 495, 6}, {"Major Group Count", 512, 5},
    {"Major Group Total", 506, 6}, {"Number of Guest Count", 517, 6}, {"Begin Check Count", 523, 3},
    {"Service Count", 532, 3}, {"Service Total", 526, 6}, {"Transfer In Count", 541, 3},
    {"Transfer In Total", 535, 6}, {"Transfer Out Count", 550, 3}, {"Transfer Out Total", 544, 6},
    {"Paid Check Count", 559, 3}, {"Paid Check Total", 553, 6}, {"Open Checks Count", 568, 3},
    {"Open Checks Total", 562, 6}, {"Take Out Sales Count", 577, 3}, {"Take Out Sales Total", 571, 6},
    {"Estimated Tips Total", 580, 6}, {"Gross Charge Tips Count", 592, 3}, {"Gross Charge Tips Total", 586, 6},
    {"CC Tips Fee Total", 595, 6}, {"Net Charge Tips Total", 601, 6}, {"Cash Tips Count", 613, 3},
    {"Cash Tips Total", 607, 6}, {"All Tips Total", 616, 6}, {"Charge Tips PO Count", 628, 3},
    {"Charge Tips PO Total", 622, 6}, {"Charge 01 Count", 637, 3}, {"Charge 01 Total", 631, 6},
    {"Charge 02 Count", 646, 3}, {"Charge 02 Total", 640, 6}, {"Charge 03 Count", 655, 3},
    {"Charge 03 Total", 649, 6}, {"Charge 04 Count", 664, 3}, {"Charge 04 Total", 658, 6},
    {"Charge 05 Count", 673, 3}, {"Charge 05 Total", 667, 6}, {"Charge 06 Count", 682, 3},
    {"Charge 06 Total", 676, 6}, {"Charge 07 Count", 691, 3}, {"Charge 07 Total", 685, 6},
    {"Charge 08 Count", 700, 3}, {"Charge 08 Total", 694, 6}, {"Charge 09 Count", 709, 3},
    {"Charge 09 Total", 703, 6}, {"Charge 10 Count", 718, 3}, {"Charge 10 Total", 712, 6},
    {"Round Account Total", 721, 6}, {"Daily Edit Count", 727, 3}, {"Weekly Edit Count", 730, 3},
    {"Period Edit Count", 733, 3}, {"Cash Deposit Count", 742, 3}, {"Cash Deposit Total", 736, 6},
    {"Deposit Unused Count", 751, 3}, {"Deposit Unused Total", 745, 6}, {"GC Change Total", 754, 6},
};
// What the 778-byte record adds.
const Place kDebitCard[] = {{"Debit Card Count", 769, 3}, {"Debit Card Total", 763, 6}};

bool IsCount(const QString& column) { return column.endsWith(QLatin1String(" Count")); }

QList<Place> PlacesOf(int recordSize) {
  QList<Place> places(std::begin(kRecord763), std::end(kRecord763));
  if (recordSize == 778) places.append({kDebitCard[0], kDebitCard[1]});
  return places;
}

struct Case {
  const char* rom;
  const char* cls;
  const char* table;
  int recordSize;
  const char* key;
  int code;
  const char* rptName;
};

const Case kCases[] = {
    {"tEcrCrs3000V0302", "tEcrRptCrs3000Cashier", "tEcrRptCrs3000Cashier", 763, "Memory Number", 34, "Cashier"},
    {"tEcrCrs3000V0303", "tEcrRptCrs3000Cshr303", "tEcrRptCrs3000Cshr303", 778, "Memory Number", 34, "Cashier"},
    {"tEcrCrs3000V0403", "tEcrRptCrs3000DayShift", "tEcrRptCrs3000DayShift", 763, "Day Shift Id", 60, "Day Shift"},
    {"tEcrCrs3000V0305", "tEcrRptCrs3000DayShift303", "tEcrRptCrs3000DaySh303", 778, "Day Shift Id", 60, "Day Shift"},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.cls; }

QByteArray Header() { return Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1); }

QByteArray SignedBcd(qint64 value, int width) {
  const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
  return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
}

// The value column i of a record holds: its own for each record (seed) and column, every
// other one negative.
qint64 ValueOf(int seed, qsizetype i) { return (seed * 1000 + i) * (i % 2 ? -1 : 1); }

// A record whose every column holds ValueOf (a total in cents); the bytes that belong to
// no column hold FF.
QByteArray Record(int recordSize, int seed) {
  QByteArray record(recordSize, char(0xFF));
  const QList<Place> places = PlacesOf(recordSize);
  for (qsizetype i = 0; i < places.size(); ++i)
    record.replace(places[i].offset, places[i].width, SignedBcd(ValueOf(seed, i), places[i].width));
  return record;
}

// A stored value in the unit it was written in: cents for a total, the count as it is.
qint64 Raw(const QString& column, const QVariant& value) {
  return IsCount(column) ? value.toLongLong() : qRound64(value.toDouble() * 100);
}

class CashierRpt : public CrsFixture, public ::testing::WithParamInterface<Case> {
protected:
  tEcrRptCrs3000& Report() {
    driver = tEcr::New(ClassByName(QLatin1String(GetParam().rom)));
    auto* report = dynamic_cast<tEcrRptCrs3000*>(driver->FindRptByClass(QLatin1String(GetParam().cls)));
    EXPECT_NE(report, nullptr) << GetParam().rom << " lists no " << GetParam().cls;
    return *report;
  }
  // The report of a test driver whose employee program holds these names.
  void WithEmployees(const QList<std::pair<int, const char*>>& employees) {
    auto owned = std::make_unique<tTestDriver>();
    tTestDriver* test = owned.get();
    machine.SetEcr(std::move(owned));
    QMap<int, QString> names;
    for (const auto& [number, name] : employees) names.insert(number, QLatin1String(name));
    tNamesPrg<kEmployeeClass, kName>::AddTo(*test, names);
    std::unique_ptr<tEcrFnct> made = tEcrFnct::CreateByClass(ClassByName(QLatin1String(GetParam().cls)), test);
    chosen = dynamic_cast<tEcrRptCrs3000*>(made.get());
    ASSERT_NE(chosen, nullptr);
    test->Add(std::unique_ptr<tEcrRpt>(static_cast<tEcrRpt*>(made.release())));
  }
  // Saves the poll; answers its rows in key order, every column by name.
  QList<QVariantMap> Saved(const QList<QByteArray>& blocks) {
    tEcrRptCrs3000& report = chosen ? *chosen : Report();
    QFile file(WorkFile(QStringLiteral("cashier.blk"), blocks));
    report.ReadBlockFile(file);
    TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
    query.Exec(QStringLiteral("SELECT * FROM \"%1\" WHERE \"Poll Id\" = ? ORDER BY \"%2\"")
                   .arg(QLatin1String(GetParam().table), QLatin1String(GetParam().key)),
               {report.PollId});
    QList<QVariantMap> rows;
    storedColumns.clear();
    for (int i = 0; i < query.ColumnCount(); ++i) storedColumns << query.ColumnName(i);
    while (query.Next()) {
      QVariantMap row;
      for (int i = 0; i < query.ColumnCount(); ++i) row.insert(query.ColumnName(i), query.Value(i));
      rows.append(row);
    }
    return rows;
  }
  QList<Place> Places() const { return PlacesOf(GetParam().recordSize); }
  // "Poll Id", the key, "Name", then the totaliser columns.
  QStringList ExpectedColumns() const {
    QStringList names{QStringLiteral("Poll Id"), QLatin1String(GetParam().key), QStringLiteral("Name")};
    for (const Place& place : Places()) names << QLatin1String(place.column);
    return names;
  }
  void ExpectRecord(const QVariantMap& row, int number, int seed) {
    EXPECT_EQ(row.value(QLatin1String(GetParam().key)).toInt(), number);
    const QList<Place> places = Places();
    for (qsizetype i = 0; i < places.size(); ++i) {
      const QString column = QLatin1String(places[i].column);
      EXPECT_EQ(Raw(column, row.value(column)), ValueOf(seed, i)) << "record " << number << ": " << places[i].column;
    }
  }

  std::unique_ptr<tEcr> driver;
  tMachine machine;
  tEcrRptCrs3000* chosen = nullptr; // the report of WithEmployees
  QStringList storedColumns;
};

TEST_P(CashierRpt, TheTableIsTheKeyTheNameAndEveryTotaliserCountBeforeTotal) {
  const Case& c = GetParam();
  tEcrRptCrs3000& report = Report();
  EXPECT_EQ(report.GetRptCode(), c.code);
  EXPECT_EQ(report.GetRptName(), QLatin1String(c.rptName));
  EXPECT_EQ(report.GetPrgRecSize(), c.recordSize);
  EXPECT_EQ(report.GetRecsInBlk(), 2);
  const std::optional<TTableDef> def = report.DescribeTable();
  ASSERT_TRUE(def.has_value());
  EXPECT_EQ(def->name, QLatin1String(c.table));
  QStringList names;
  for (const TFieldDef& field : def->fields) names << field.name;
  EXPECT_EQ(names, ExpectedColumns());
  EXPECT_EQ(def->fields.size(), c.recordSize == 763 ? 154 : 156);
  for (const TFieldDef& field : def->fields) {
    const TFieldType type = field.name == QLatin1String("Name") ? TFieldType::Alpha
                            : field.name == QLatin1String("Poll Id") || field.name == QLatin1String(c.key) ||
                                    IsCount(field.name)
                                ? TFieldType::Long
                                : TFieldType::Money;
    EXPECT_EQ(field.type, type) << field.name.toStdString();
    EXPECT_EQ(field.size, field.type == TFieldType::Alpha ? 12 : 0) << field.name.toStdString();
  }
  ASSERT_EQ(def->indexes.size(), 1);
  EXPECT_TRUE(def->indexes[0].primary);
  EXPECT_EQ(def->indexes[0].fields, (QStringList{QStringLiteral("Poll Id"), QLatin1String(c.key)}));
}

// Two records in each of the first two data blocks, one in the last: the second block's
// records are numbers 3 and 4, the last block's 5. Every column holds a value of its own,
// so a column read from another's bytes shows; the bytes no column holds are FF and store
// nothing.
TEST_P(CashierRpt, APollOfSeveralBlocksStoresEveryColumnFromItsOwnBytes) {
  const int size = GetParam().recordSize;
  const QList<QVariantMap> rows = Saved({Header(), Framed(Record(size, 1) + Record(size, 2), 2),
                                         Framed(Record(size, 3) + Record(size, 4), 3), Framed(Record(size, 5), 4)});
  EXPECT_EQ(storedColumns, ExpectedColumns());
  ASSERT_EQ(rows.size(), 5);
  for (int i = 0; i < 5; ++i) {
    ExpectRecord(rows[i], i + 1, i + 1);
    EXPECT_EQ(rows[i].value(QStringLiteral("Name")).toString(), QStringLiteral("Undefined")) << "no employee program";
  }
}

// The register's employee program names the records by their number, the second data
// block's as well; a number it lacks is "Undefined", and the column keeps 12 characters.
TEST_P(CashierRpt, EachRecordIsNamedByTheEmployeeOfItsNumber) {
  WithEmployees({{1, "ANNA"}, {3, "BARTHOLOMEW SMITH"}, {4, "CARL"}});
  const int size = GetParam().recordSize;
  const QList<QVariantMap> rows =
      Saved({Header(), Framed(Record(size, 1) + Record(size, 2), 2), Framed(Record(size, 3), 3)});
  QStringList names;
  for (const QVariantMap& row : rows) names << row.value(QStringLiteral("Name")).toString();
  EXPECT_EQ(names, (QStringList{"ANNA", "Undefined", "BARTHOLOMEW "}));
  ASSERT_EQ(rows.size(), 3);
  ExpectRecord(rows[2], 3, 3);
}

// Money to eleven digits and a sign, a six-byte count beyond 32 bits, the record's own
// bytes for 123.45, and FF bytes, which the BCD rule reads at their value (each F is 15 at
// its place): a three-byte FF count stores 166665, a six-byte FF total 1666666666.65.
TEST_P(CashierRpt, ExtremeValuesAndFFBytesAreStoredAsTheRegisterCodesThem) {
  QByteArray record = Record(GetParam().recordSize, 1);
  const auto put = [&record](int offset, const char* hex) {
    const QByteArray bytes = Hex(hex);
    record.replace(offset, bytes.size(), bytes);
  };
  put(0, "99 99 99 99 99 9D");          // Item Sales Total
  put(6, "99 99 99 99 9D");             // Item Sales Count
  put(205, "00 00 00 12 34 5C");        // Cash Drawer Declare
  put(517, "99 99 99 99 99 9C");        // Number of Guest Count
  put(631, "FF FF FF FF FF FF FF FF FF"); // Charge 01 Total and Count
  put(760, "12 34 5C");                 // after GC Change Total: not stored
  const QList<QVariantMap> rows = Saved({Header(), Framed(record, 2)});
  ASSERT_EQ(rows.size(), 1);
  const QVariantMap& row = rows[0];
  const auto raw = [&row](const char* column) { return Raw(QLatin1String(column), row.value(QLatin1String(column))); };
  EXPECT_EQ(raw("Item Sales Total"), -99999999999LL);
  EXPECT_EQ(raw("Item Sales Count"), -999999999LL);
  EXPECT_EQ(raw("Cash Drawer Declare"), 12345);
  EXPECT_EQ(raw("Number of Guest Count"), 99999999999LL);
  EXPECT_EQ(raw("Charge 01 Total"), 166666666665LL);
  EXPECT_EQ(raw("Charge 01 Count"), 166665);
  EXPECT_EQ(raw("GC Change Total"), ValueOf(1, 150));
}

// Cut at a byte that is no record boundary, three records in one block, and the other
// record size: the poll fails as a whole and stores nothing.
TEST_P(CashierRpt, ABlockThatIsNoWholeNumberOfRecordsFailsThePollAndStoresNothing) {
  const int size = GetParam().recordSize;
  const int other = size == 763 ? 778 : 763;
  const struct {
    QByteArray data;
    QString message;
  } cases[] = {
      {Record(size, 1) + Hex("00"),
       QStringLiteral("Block Size Mismatch, got: %1  expecting: %2").arg(size + 1).arg(2 * size)},
      {Record(size, 1) + Record(size, 2) + Record(size, 3),
       QStringLiteral("Block Size Mismatch, got: %1  expecting: %2").arg(3 * size).arg(2 * size)},
      {Record(other, 1), QStringLiteral("Block Size Mismatch, got: %1  expecting: %2").arg(other).arg(2 * size)},
  };
  for (const auto& c : cases) {
    try {
      Saved({Header(), Framed(Record(size, 1) + Record(size, 2), 2), Framed(c.data, 3)});
      ADD_FAILURE() << "a block of " << c.data.size() << " bytes was saved";
    } catch (const ERecMismatch& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_TRUE(PollIds().isEmpty()) << c.data.size();
    EXPECT_EQ(Rows(QString::fromLatin1(EngineConfig::kDataAlias), QLatin1String(GetParam().table)), 0);
  }
}

std::string ClassOf(const ::testing::TestParamInfo<Case>& param) { return param.param.cls; }
INSTANTIATE_TEST_SUITE_P(Reports, CashierRpt, ::testing::ValuesIn(kCases), ClassOf);
} // namespace
