// The coupon report over a whole poll, as a register of a given ROM answers it: its table,
// the values of its records, coupons numbered across blocks, and the coupon program that
// names them chosen by the ROM.
#include "model/ModelFixture.h"

#include "TestSupport.h"
#include "crs3000/tEcrCrs3000.h"
#include "crs3000/tEcrRptCrs3000Coupon.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>

namespace {
using TestSupport::Hex;

QByteArray Header() { return Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1); }

// One coupon record: a money total (cents) and a count, both signed.
QByteArray Record(qint64 cents, qint64 count) {
  auto signedBcd = [](qint64 value, int width) {
    const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
    return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
  };
  return signedBcd(cents, 6) + signedBcd(count, 5);
}

// A row as stored, money to the cent.
QVariantList Row(int number, const char* name, double total, int count) {
  return {number, QString::fromLatin1(name), qRound64(total * 100), count};
}

class CouponRpt : public CrsFixture {
protected:
  // The coupon report of a driver of that ROM.
  tEcrRptCrs3000Coupon& ReportOf(const char* romClass) {
    driver = tEcr::New(ClassByName(QLatin1String(romClass)));
    auto* report = dynamic_cast<tEcrRptCrs3000Coupon*>(driver->FindRptByClass(QStringLiteral("tEcrRptCrs3000Coupon")));
    EXPECT_NE(report, nullptr) << romClass << " lists no coupon report";
    return *report;
  }
  // The poll's rows by coupon number: number, name, total, count.
  QList<QVariantList> Saved(tEcrRpt& report, const QList<QByteArray>& blocks) {
    QFile file(WorkFile(QStringLiteral("coupon.blk"), blocks));
    report.ReadBlockFile(file);
    TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
    query.Exec(QStringLiteral("SELECT \"Memory Number\", \"Name\", \"Total\", \"Count\" FROM \"tEcrRptCrs3000Coupon\" "
                              "WHERE \"Poll Id\" = ? ORDER BY \"Memory Number\""),
               {report.PollId});
    QList<QVariantList> rows;
    while (query.Next())
      rows.append({query.Value(0).toInt(), query.Value(1).toString(), qRound64(query.Value(2).toDouble() * 100),
                   query.Value(3).toInt()});
    return rows;
  }
  std::unique_ptr<tEcr> driver;
};

TEST_F(CouponRpt, TheTableIsNumberedCouponsWithNameTotalAndCount) {
  tEcrRptCrs3000Coupon& report = ReportOf("tEcrCrs3000V0302");
  EXPECT_EQ(report.GetRptCode(), 44);
  EXPECT_EQ(report.GetRptName(), QStringLiteral("Coupon"));
  EXPECT_EQ(report.GetPrgRecSize(), 11);
  EXPECT_EQ(report.GetRecsInBlk(), 180);
  const std::optional<TTableDef> def = report.DescribeTable();
  ASSERT_TRUE(def.has_value());
  EXPECT_EQ(def->name, QStringLiteral("tEcrRptCrs3000Coupon"));
  QStringList names;
  for (const TFieldDef& field : def->fields) names << field.name;
  EXPECT_EQ(names, (QStringList{"Poll Id", "Memory Number", "Name", "Total", "Count"}));
  EXPECT_EQ(def->fields[2].type, TFieldType::Alpha);
  EXPECT_EQ(def->fields[2].size, 12);
  EXPECT_EQ(def->fields[3].type, TFieldType::Money);
  EXPECT_EQ(def->fields[4].type, TFieldType::Long);
  ASSERT_EQ(def->indexes.size(), 1);
  EXPECT_EQ(def->indexes[0].fields, (QStringList{"Poll Id", "Memory Number"}));
}

// A full first data block of 180 coupons, then one more: the second block's first record
// is coupon 181. Negative totals and counts keep their sign.
TEST_F(CouponRpt, APollOfTwoBlocksStoresEveryCouponWithItsSign) {
  QByteArray full;
  for (int i = 0; i < 180; ++i) full += Record(i * 100 + 5, i);
  full.replace(0, 11, Hex("00 00 00 01 50 0D  00 00 00 00 3C")); // the register's own bytes
  const QList<QVariantList> rows =
      Saved(ReportOf("tEcrCrs3000V0302"), {Header(), Framed(full, 2), Framed(Record(-99999999999LL, -7), 3)});
  ASSERT_EQ(rows.size(), 181);
  EXPECT_EQ(rows[0], Row(1, "Undefined", -15.0, 3));
  EXPECT_EQ(rows[179], Row(180, "Undefined", 179.05, 179));
  EXPECT_EQ(rows[180], Row(181, "Undefined", -999999999.99, -7));
}

TEST_F(CouponRpt, ABlockThatIsNoWholeNumberOfRecordsFailsThePoll) {
  tEcrRptCrs3000Coupon& report = ReportOf("tEcrCrs3000V0302");
  EXPECT_ANY_THROW(Saved(report, {Header(), Framed(Record(1, 1) + Hex("00 00"), 2)}));
  EXPECT_TRUE(PollIds().isEmpty());
}

TEST(CouponNames, TheCouponProgramIsChosenByTheRegistersRom) {
  const struct {
    const char* rom;
    const char* program;
  } cases[] = {
      {"2.21 Not Recommended", "tEcrPrgCrs3000Coupon224"}, {"2.23", "tEcrPrgCrs3000Coupon224"},
      {"2.24", "tEcrPrgCrs3000Coupon224"},                 {"2.22 Not Recommended", "tEcrPrgCrs3000Coupon"},
      {"2.26", "tEcrPrgCrs3000Coupon"},                    {"3.05", "tEcrPrgCrs3000Coupon"},
      {"0.61 Not Supported", "tEcrPrgCrs3000Coupon"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tEcrRptCrs3000Coupon::NameProgramClass(QLatin1String(c.rom)), QLatin1String(c.program)) << c.rom;
}
} // namespace
