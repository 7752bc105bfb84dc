// The product projection report: one class a weekday, each storing its "Day"; four week
// values in each of 48 periods an item; items numbered across blocks, named from the
// product mix program; the weekdays of several polls kept apart in the one table.
#include "PollRows.h"

#include "NamePrograms.h"
#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000ProductProjection.h"
#include "model/CrsRptParams.h"
#include "store/streaming/StreamRegistry.h"

namespace {
using TestSupport::Hex;
const QString kTable = QStringLiteral("tEcrRptCrs3000ProdPrj");
inline constexpr char kProductMixClass[] = "tEcrPrgCrs3000ProductMix";

QString Column(int period, int week) {
  return QStringLiteral("Period %1 Week %2").arg(period, 2, 10, QLatin1Char('0')).arg(week);
}

// Value 10 p + w (BCD, sign C) for period p and week w, then the 8 unused bytes.
QByteArray Record(const QByteArray& unused = QByteArray(8, '\xA5')) {
  QByteArray record;
  for (int p = 1; p <= 48; ++p)
    for (int w = 1; w <= 4; ++w) record += QByteArray::fromHex(QByteArray::number(10 * p + w).rightJustified(3, '0') + "C");
  return record + unused;
}

class ProductProjectionRpt : public CrsFixture {
protected:
  std::unique_ptr<tEcrRptCrs3000ProductProjection> Make(const char* cls) {
    auto made = tEcrFnct::CreateByClass(ClassByName(QLatin1String(cls)), &driver);
    return std::unique_ptr<tEcrRptCrs3000ProductProjection>(dynamic_cast<tEcrRptCrs3000ProductProjection*>(made.release()));
  }
  QList<QVariantMap> Poll(tEcrRptCrs3000ProductProjection& report, const QList<QByteArray>& dataBlocks) {
    QList<QByteArray> blocks{PollRows::Header()};
    for (qsizetype i = 0; i < dataBlocks.size(); ++i) blocks.append(Framed(dataBlocks[i], int(i) + 2));
    QFile file(WorkFile(QStringLiteral("prj.blk"), blocks));
    report.ReadBlockFile(file);
    return PollRows::Of(kTable, report.PollId);
  }
  tTestDriver driver;
};

TEST_F(ProductProjectionRpt, EachWeekdayClassStoresItsDay) {
  const struct {
    const char* cls;
    int code, day;
    const char* name;
  } days[] = {{"tEcrRptCrs3000PrdPrjSun", 49, 1, "Prod. Prjctn Sun"}, {"tEcrRptCrs3000PrdPrjMon", 50, 2, "Prod. Prjctn Mon"},
              {"tEcrRptCrs3000PrdPrjTue", 51, 3, "Prod. Prjctn Tue"}, {"tEcrRptCrs3000PrdPrjWed", 52, 4, "Prod. Prjctn Wed"},
              {"tEcrRptCrs3000PrdPrjThu", 53, 5, "Prod. Prjctn Thu"}, {"tEcrRptCrs3000PrdPrjFri", 54, 6, "Prod. Prjctn Fri"},
              {"tEcrRptCrs3000PrdPrjSat", 55, 7, "Prod. Prjctn Sat"}};
  QList<qint64> polls;
  for (const auto& d : days) {
    SCOPED_TRACE(d.cls);
    auto report = Make(d.cls);
    EXPECT_EQ(report->GetRptCode(), d.code);
    EXPECT_EQ(report->GetRptName(), QLatin1String(d.name));
    EXPECT_EQ(report->GetOptsFormClass(), QStringLiteral("TfmEcrRptOptCrs3000NonCnsRpts"));
    // The same items every weekday: the key keeps the days apart.
    const QList<QVariantMap> rows = Poll(*report, {Record() + Record()});
    ASSERT_EQ(rows.size(), 2);
    for (const QVariantMap& row : rows) EXPECT_EQ(row.value(QStringLiteral("Day")).toInt(), d.day);
    polls << report->PollId;
  }
  EXPECT_EQ(PollIds(), polls);
  EXPECT_EQ(Rows(QString::fromLatin1(EngineConfig::kDataAlias), kTable), 14);
}

TEST_F(ProductProjectionRpt, TheTableIsKeyedByPollDayAndItem) {
  auto report = Make("tEcrRptCrs3000PrdPrjWed");
  const TTableDef def = *report->DescribeTable();
  EXPECT_EQ(def.name, kTable);
  ASSERT_EQ(def.fields.size(), 196);
  const QList<TFieldDef> head{{QStringLiteral("Poll Id"), TFieldType::Long, 0},
                              {QStringLiteral("Day"), TFieldType::Short, 0},
                              {QStringLiteral("Memory Number"), TFieldType::Short, 0},
                              {QStringLiteral("Name"), TFieldType::Alpha, 12},
                              {QStringLiteral("Period 01 Week 1"), TFieldType::Long, 0},
                              {QStringLiteral("Period 01 Week 2"), TFieldType::Long, 0}};
  EXPECT_EQ(def.fields.mid(0, 6), head);
  EXPECT_EQ(def.fields[195].name, QStringLiteral("Period 48 Week 4"));
  EXPECT_EQ(def.indexes[0].fields, (QStringList{"Poll Id", "Day", "Memory Number"}));
}

TEST_F(ProductProjectionRpt, WeekValuesLandInTheirPeriodAndWeek) {
  auto report = Make("tEcrRptCrs3000PrdPrjFri");
  QByteArray odd = Record(QByteArray(8, '\xFF'));
  odd.replace(0, 6, Hex("01 2C 00 5D FF FF"));
  const QByteArray five = Record() + Record() + Record() + Record() + Record();
  const QList<QVariantMap> rows = Poll(*report, {five, five, Record() + odd});
  ASSERT_EQ(rows.size(), 12);
  const QVariantMap& last = rows[11];
  EXPECT_EQ(last.value(QStringLiteral("Memory Number")).toInt(), 12);
  EXPECT_EQ(last.value(Column(1, 1)).toInt(), 12);
  EXPECT_EQ(last.value(Column(1, 2)).toInt(), -5);
  EXPECT_EQ(last.value(Column(1, 3)).toInt(), 65535);
  EXPECT_EQ(last.value(Column(1, 4)).toInt(), 14);
  // The unused bytes change nothing: every other value is as in the plain record.
  for (int p = 2; p <= 48; ++p)
    for (int w = 1; w <= 4; ++w) EXPECT_EQ(last.value(Column(p, w)).toInt(), 10 * p + w) << p << "/" << w;
  EXPECT_EQ(rows[10].value(Column(48, 4)).toInt(), 484);
}

TEST_F(ProductProjectionRpt, NamesComeFromTheProductMixProgram) {
  tNamesPrg<kProductMixClass, kDescriptor>::AddTo(driver, {{2, QStringLiteral("FRIES")}});
  auto report = Make("tEcrRptCrs3000PrdPrjMon");
  const QList<QVariantMap> rows = Poll(*report, {Record() + Record()});
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].value(QStringLiteral("Name")).toString(), QStringLiteral("Undefined"));
  EXPECT_EQ(rows[1].value(QStringLiteral("Name")).toString(), QStringLiteral("FRIES"));
}

// The poll type follows the reset option, not the header byte.
TEST_F(ProductProjectionRpt, ThePollTypeIsZForAResetPoll) {
  for (const bool reset : {false, true}) {
    auto report = Make("tEcrRptCrs3000PrdPrjSun");
    report->SetIntParam(CrsRptParams::kResetMode, reset ? 1 : 0);
    Poll(*report, {Record()});
    EXPECT_EQ(Rows(QString::fromLatin1(EngineConfig::kDataAlias), QStringLiteral("AllPolls"),
                   QStringLiteral("\"Poll Id\" = ? AND \"Poll Type\" = ?"),
                   {report->PollId, reset ? QStringLiteral("Z") : QStringLiteral("X")}),
              1);
  }
}
} // namespace
