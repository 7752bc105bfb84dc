// The time period report and its follow-ups (eat-in, take-out, tracks 1 and 2): periods
// numbered across blocks, customers and totals with their signs, all five kinds in one
// table under their own polls, the table named by the settings switch, and the lists the
// consolidation reads.
#include "PollRows.h"

#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000TpEatIn.h"
#include "store/settings/SettingsFile.h"
#include "store/streaming/StreamRegistry.h"
#include "store/settings/TUtRegIni.h"

namespace {
using TestSupport::Hex;


class TimePeriodRpt : public CrsFixture {
protected:
  template <class Report> QList<QVariantMap> Poll(Report& report, const QList<QByteArray>& dataBlocks) {
    QList<QByteArray> blocks{PollRows::Header()};
    for (qsizetype i = 0; i < dataBlocks.size(); ++i) blocks.append(Framed(dataBlocks[i], int(i) + 2));
    QFile file(WorkFile(QStringLiteral("tp.blk"), blocks));
    report.ReadBlockFile(file);
    return PollRows::Of(report.GetTableName(), report.PollId);
  }
  tTestDriver driver;
};

TEST_F(TimePeriodRpt, PeriodsAreNumberedAcrossBlocksWithTheirSignedValues) {
  auto report = tEcrFnct::New<tEcrRptCrs3000TimePeriod>(&driver);
  QByteArray full;
  for (int i = 0; i < 48; ++i) full += Hex("00 00 1C 00 00 00 00 00 1C");
  const QList<QVariantMap> rows =
      Poll(*report, {full, Hex("00 12 3C 00 00 00 01 23 4C  00 12 3D 00 00 00 01 23 4D")});
  ASSERT_EQ(rows.size(), 50);
  EXPECT_EQ(rows[47].value(QStringLiteral("Memory Number")).toInt(), 48);
  EXPECT_EQ(rows[48].value(QStringLiteral("Memory Number")).toInt(), 49);
  EXPECT_EQ(rows[48].value(QStringLiteral("Customer")).toInt(), 123);
  EXPECT_EQ(PollRows::Cents(rows[48].value(QStringLiteral("Total"))), 1234);
  EXPECT_EQ(rows[49].value(QStringLiteral("Memory Number")).toInt(), 50);
  EXPECT_EQ(rows[49].value(QStringLiteral("Customer")).toInt(), -123);
  EXPECT_EQ(PollRows::Cents(rows[49].value(QStringLiteral("Total"))), -1234);
}

TEST_F(TimePeriodRpt, TheFiveKindsDifferInCodeAndNameOnly) {
  const struct {
    const char* cls;
    int code;
    const char* name;
    const char* options;
    const char* parent;
  } kinds[] = {
      {"tEcrRptCrs3000TimePeriod", 35, "Time Period", "TfmEcrRptOptCrs3000TimePrd", "tEcrRptCrs3000"},
      {"tEcrRptCrs3000TpEatIn", 56, "Time Period Eat In", "TfmEcrRptOptCrs3000", "tEcrRptCrs3000TimePeriod"},
      {"tEcrRptCrs3000TpTakeOut", 57, "Time Period Take Out", "TfmEcrRptOptCrs3000", "tEcrRptCrs3000TpEatIn"},
      {"tEcrRptCrs3000TpTrack1", 58, "Time Period Track 1", "TfmEcrRptOptCrs3000", "tEcrRptCrs3000TpEatIn"},
      {"tEcrRptCrs3000TpTrack2", 59, "Time Period Track 2", "TfmEcrRptOptCrs3000", "tEcrRptCrs3000TpEatIn"},
  };
  for (const auto& k : kinds) {
    SCOPED_TRACE(k.cls);
    auto made = tEcrFnct::CreateByClass(ClassByName(QLatin1String(k.cls)), &driver);
    auto& report = dynamic_cast<tEcrRptCrs3000TimePeriod&>(*made);
    EXPECT_EQ(report.GetRptCode(), k.code);
    EXPECT_EQ(report.GetRptName(), QLatin1String(k.name));
    EXPECT_EQ(report.GetOptsFormClass(), QLatin1String(k.options));
    EXPECT_EQ(report.ClassType().ClassParent()->ClassName(), QLatin1String(k.parent));
    EXPECT_EQ(report.ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000TimePrd"));
    EXPECT_EQ(report.GetTableName(), QStringLiteral("tEcrRptCrs3000TimePer"));
    EXPECT_EQ(report.SQLGroupList, QStringList{"Memory Number"});
    EXPECT_EQ(report.SQLSumFieldsList, (QStringList{"Customer", "Total"}));
    EXPECT_EQ(report.SQLFieldsList, (QStringList{"Memory Number", "Customer", "Total"}));
    EXPECT_EQ(report.FormTables(),
              (QList<Crs3000FormTable>{{QStringLiteral("tblDesc"), QStringLiteral("tEcrPrgCrs3000TimeRange")}}));
  }
}

TEST_F(TimePeriodRpt, FollowUpsStoreIntoTheOneTableUnderPollsOfTheirOwn) {
  auto period = tEcrFnct::New<tEcrRptCrs3000TimePeriod>(&driver);
  auto eatIn = tEcrFnct::New<tEcrRptCrs3000TpEatIn>(&driver);
  auto takeOut = tEcrFnct::New<tEcrRptCrs3000TpTakeOut>(&driver);
  EXPECT_EQ(Poll(*period, {Hex("00 00 1C 00 00 00 00 01 0C")}).size(), 1);
  EXPECT_EQ(Poll(*eatIn, {Hex("00 00 2C 00 00 00 00 02 0C 00 00 3C 00 00 00 00 03 0C")}).size(), 2);
  EXPECT_EQ(Poll(*takeOut, {Hex("00 00 4C 00 00 00 00 04 0C")}).size(), 1);
  EXPECT_EQ(PollIds(), (QList<qint64>{period->PollId, eatIn->PollId, takeOut->PollId}));
  EXPECT_EQ(Rows(QString::fromLatin1(EngineConfig::kDataAlias), QStringLiteral("tEcrRptCrs3000TimePer")), 4);
  EXPECT_EQ(Rows(QString::fromLatin1(EngineConfig::kDataAlias), QStringLiteral("AllPolls"),
                 QStringLiteral("\"Report Name\" = ?"), {QStringLiteral("Time Period Take Out")}),
            1);
}

// The switch is read at every poll: rows go where it says at the time, and the rows of
// earlier polls stay in the other table.
TEST_F(TimePeriodRpt, TheSettingsSwitchChoosesTheTableOfEachPoll) {
  auto report = tEcrFnct::New<tEcrRptCrs3000TimePeriod>(&driver);
  const QString data = QString::fromLatin1(EngineConfig::kDataAlias);
  Poll(*report, {Hex("00 00 1C 00 00 00 00 01 0C")});
  std::optional<ScopedLongTableNames> longNames;
  longNames.emplace();
  EXPECT_EQ(report->GetTableName(), QStringLiteral("tEcrRptCrs3000TimePeriod"));
  EXPECT_EQ(report->DescribeTable()->name, QStringLiteral("tEcrRptCrs3000TimePeriod"));
  Poll(*report, {Hex("00 00 1C 00 00 00 00 01 0C 00 00 1C 00 00 00 00 01 0C")});
  EXPECT_EQ(Rows(data, QStringLiteral("tEcrRptCrs3000TimePer")), 1);
  EXPECT_EQ(Rows(data, QStringLiteral("tEcrRptCrs3000TimePeriod")), 2);
  longNames.reset();
  EXPECT_EQ(report->GetTableName(), QStringLiteral("tEcrRptCrs3000TimePer"));
}
} // namespace
