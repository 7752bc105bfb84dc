// The period reports, product projection, product mix and time keeping against answers
// made by the synthesiser (a peer written from the record descriptions apart from the
// decoders): over several blocks, every stored value and the poll row equal its
// expectations; product mix in each record size and in a poll of mixed sizes.
#include "model/ModelFixture.h"

#include "NamePrograms.h"
#include "SynthDecoding.h"

#include <ostream>

namespace {
struct Case {
  const char* report;
  const char* rom; // a driver class that lists the decoder, or one whose report is a follow-up
  const char* decoder;
  int records;
  QList<int> periods;
  bool reset = false;
};

const Case kCases[] = {
    {"timeperiod", "tEcrCrs3000V0302", "tEcrRptCrs3000TimePeriod", 100, {}},
    {"tpeatin", "tEcrCrs3000V0302", "tEcrRptCrs3000TpEatIn", 49, {}},
    {"tptakeout", "tEcrCrs3000V0226", "tEcrRptCrs3000TpTakeOut", 60, {}},
    {"tptrack1", "tEcrCrs3000V0402", "tEcrRptCrs3000TpTrack1", 97, {}},
    {"tptrack2", "tEcrCrs3000V0304", "tEcrRptCrs3000TpTrack2", 50, {}},
    {"tpgrp", "tEcrCrs3000V0302", "tEcrRptCrs3000TpGrp", 20, {}},
    {"saleslabor", "tEcrCrs3000V0302", "tEcrRptCrs3000SalesLabor", 150, {}},
    {"prdprjsun", "tEcrCrs3000V0302", "tEcrRptCrs3000PrdPrjSun", 12, {}, true},
    {"prdprjmon", "tEcrCrs3000V0226", "tEcrRptCrs3000PrdPrjMon", 6, {}},
    {"prdprjtue", "tEcrCrs3000V0302", "tEcrRptCrs3000PrdPrjTue", 11, {}},
    {"prdprjwed", "tEcrCrs3000V0304", "tEcrRptCrs3000PrdPrjWed", 6, {}},
    {"prdprjthu", "tEcrCrs3000V0302", "tEcrRptCrs3000PrdPrjThu", 16, {}, true},
    {"prdprjfri", "tEcrCrs3000V0402", "tEcrRptCrs3000PrdPrjFri", 7, {}},
    {"prdprjsat", "tEcrCrs3000V0302", "tEcrRptCrs3000PrdPrjSat", 10, {}},
    {"prodmix", "tEcrCrs3000V0302", "tEcrRptCrs3000ProductMix", 30, {12}},
    {"prodmix", "tEcrCrs3000V0302", "tEcrRptCrs3000ProductMix", 20, {24}},
    {"prodmix", "tEcrCrs3000V0302", "tEcrRptCrs3000ProductMix", 10, {36}},
    {"prodmix", "tEcrCrs3000V0302", "tEcrRptCrs3000ProductMix", 7, {48}},
    // Mixed sizes: the larger records first, so that the numbers rise.
    {"prodmix", "tEcrCrs3000V0302", "tEcrRptCrs3000ProductMix", 16, {48, 36, 24, 12}},
    {"timekeeping", "tEcrCrs3000V0302", "tEcrRptCrs3000TimeKeeping", 90, {}},
    {"timekeepingz2", "tEcrCrs3000V0304", "tEcrRptCrs3000TimeKeepingZ2", 41, {}, true},
    {"timekeepingz3", "tEcrCrs3000V0402", "tEcrRptCrs3000TimeKeepingZ3", 43, {}},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.report << " (" << c.records << " records)"; }

class SynthPeriodKnownAnswer : public CrsFixture, public testing::WithParamInterface<Case> {};

TEST_P(SynthPeriodKnownAnswer, EveryStoredValueIsTheSynthesisersExpectation) {
  const Case& c = GetParam();
  for (const quint64 seed : {5u, 6u}) {
    SCOPED_TRACE(seed);
    SynthRequest request;
    request.report = QLatin1String(c.report);
    request.records = c.records;
    request.periods = c.periods;
    request.reset = c.reset;
    request.seed = seed;
    const SynthAnswer answer = Synthesiser::Synthesise(request);
    ASSERT_GT(answer.blocks.size(), 2) << "several data blocks";

    const SynthDecoding::DriverReport decoder = SynthDecoding::ForRom(c.rom, c.decoder);
    tEcrRpt& report = *decoder.report;
    report.SetIntParam(5, c.reset ? 1 : 0);
    SynthDecoding::Save(report, answer, dir.filePath(QStringLiteral("synth.ecr")));
    ASSERT_GT(report.PollId, 0);
    EXPECT_EQ(SynthDecoding::Differences(answer.expectations, report.PollId), "");
  }
}

std::string CaseName(const testing::TestParamInfo<Case>& param) {
  return QStringLiteral("%1_%2").arg(QLatin1String(param.param.report)).arg(param.index).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Reports, SynthPeriodKnownAnswer, testing::ValuesIn(kCases), CaseName);

// Names of items, employees and job codes the driver's programs hold are found.
class SynthPeriodNames : public CrsFixture {};
inline constexpr char kProductMixClass[] = "tEcrPrgCrs3000ProductMix";

TEST_F(SynthPeriodNames, NamesInTheDriversProgramsAreFoundAndOthersAreUndefined) {
  const QMap<int, QString> names{{1, QStringLiteral("FRIES")}, {7, QStringLiteral("ANNA")}, {41, QStringLiteral("LAST")}};
  QMap<int, QString> jobs;
  for (int code = 0; code < 100; code += 3) jobs.insert(code, QStringLiteral("JOB %1").arg(code));
  for (const char* report : {"prodmix", "prdprjwed", "timekeeping"}) {
    SCOPED_TRACE(report);
    SynthRequest request;
    request.report = QLatin1String(report);
    request.records = 45;
    request.periods = {12};
    request.names = names;
    request.jobNames = jobs;
    const SynthAnswer answer = Synthesiser::Synthesise(request);
    tTestDriver driver;
    tNamesPrg<kProductMixClass, kDescriptor>::AddTo(driver, names);
    tNamesPrg<kEmployeeClass, kName>::AddTo(driver, names);
    tNamesPrg<kJobCodesClass, kDescriptor>::AddTo(driver, jobs);
    const QString cls = QStringLiteral("tEcrRpt%1").arg(answer.expectations[1].section(QLatin1Char('\t'), 2, 2).mid(13));
    auto report_ = tEcrFnct::CreateByClass(ClassByName(cls), &driver);
    auto& rpt = dynamic_cast<tEcrRpt&>(*report_);
    SynthDecoding::Save(rpt, answer, dir.filePath(QStringLiteral("names.ecr")));
    EXPECT_EQ(SynthDecoding::Differences(answer.expectations, rpt.PollId), "");
    EXPECT_TRUE(answer.ExpectationText().contains(QStringLiteral("Name=LAST")));
  }
}
} // namespace
