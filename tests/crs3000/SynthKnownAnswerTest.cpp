// Every report decoder against answers made by the synthesiser, a peer written from the
// record descriptions apart from the decoders: for each report and ROM layout, over
// several blocks, every stored value (every column of every row, the poll rows of the
// answer and their header values) equals the synthesiser's expectation.
#include "model/ModelFixture.h"

#include "NamePrograms.h"
#include "RowPrograms.h"
#include "SynthDecoding.h"

namespace {

struct Case {
  const char* report; // the synthesiser's name
  const char* rom;    // a driver class of that layout
  const char* decoder;
  int records;
  int perBlock; // 0: full blocks
};

const Case kCases[] = {
    {"coupon", "tEcrCrs3000V0302", "tEcrRptCrs3000Coupon", 200, 0},
    {"coupon", "tEcrCrs3000V0226", "tEcrRptCrs3000Coupon", 7, 3},
    {"clkpnchs", "tEcrCrs3000V0304", "tEcrRptCrs3000ClkPnchs", 330, 0},
    {"cashier", "tEcrCrs3000V0302", "tEcrRptCrs3000Cashier", 5, 0},
    {"cashier303", "tEcrCrs3000V0303", "tEcrRptCrs3000Cshr303", 5, 0},
    {"dayshift", "tEcrCrs3000V0402", "tEcrRptCrs3000DayShift", 3, 0},
    {"dayshift303", "tEcrCrs3000V0305", "tEcrRptCrs3000DayShift303", 4, 0},
    {"financial", "tEcrCrs3000V0302", "tEcrRptCrs3000Financial", 1, 0},
    {"fncl224", "tEcrCrs3000V0225", "tEcrRptCrs3000Fncl224", 1, 0},
    {"fncl303", "tEcrCrs3000V0304", "tEcrRptCrs3000Fncl303", 1, 0},
    {"ej", "tEcrCrs3000V0302", "tEcrRptCrs3000Ej", 250, 0},
    {"plu", "tEcrCrs3000V0302", "tEcrRptCrs3000PLU", 107, 0},
    {"plu", "tEcrCrs3000V0402", "tEcrRptCrs3000PLU", 9, 4},
    {"majgroup", "tEcrCrs3000V0226", "tEcrRptCrs3000MajorGroup", 45, 0},
    {"subgroup", "tEcrCrs3000V0220", "tEcrRptCrs3000SubGroup", 200, 0},
    {"invt", "tEcrCrs3000V0302", "tEcrRptCrs3000Invt", 101, 0},
    {"spcitmstk", "tEcrCrs3000V0305", "tEcrRptCrs3000SpcItmStk", 300, 0},
    {"opnordtrk1", "tEcrCrs3000V0302", "tEcrRptCrs3000OpnOrdTrk1", 130, 0},
    {"opnordtrk2", "tEcrCrs3000V0226", "tEcrRptCrs3000OpnOrdTrk2", 7, 3},
    {"opnordtrk1v4", "tEcrCrs3000V0402", "tEcrRptCrs3000OpnOrdTrk1V4", 61, 0},
    {"opnordtrk2v4", "tEcrCrs3000V0403", "tEcrRptCrs3000OpnOrdTrk2V4", 120, 0},
    {"opnordtrk3", "tEcrCrs3000V0304", "tEcrRptCrs3000OpnOrdTrk3", 125, 0},
};

class SynthKnownAnswer : public CrsFixture, public testing::WithParamInterface<Case> {};
class SynthKnownAnswerNames : public CrsFixture {};

TEST_P(SynthKnownAnswer, EveryStoredValueIsTheSynthesisersExpectation) {
  const Case& c = GetParam();
  SynthRequest request;
  request.report = QLatin1String(c.report);
  request.records = c.records;
  request.perBlock = c.perBlock;
  request.seed = 11;
  const SynthAnswer answer = Synthesiser::Synthesise(request);

  const SynthDecoding::DriverReport decoder = SynthDecoding::ForRom(c.rom, c.decoder);
  SynthDecoding::Save(*decoder.report, answer, dir.filePath(QStringLiteral("synth.ecr")));
  const qint64 first = decoder.report->PollId;
  ASSERT_GT(first, 0);

  EXPECT_EQ(SynthDecoding::Differences(answer.expectations, first), "");
  EXPECT_EQ(PollIds().size(), SynthCheck::PollCount(answer.expectations));
}

// Names the driver's programs hold are found; numbers they do not hold are "Undefined".
TEST_F(SynthKnownAnswerNames, NamesInTheDriversProgramsAreFoundAndOthersAreUndefined) {
  const QMap<int, QString> names{{1, QStringLiteral("FREE SODA")}, {3, QStringLiteral("BARTHOLOMEW")},
                                 {181, QStringLiteral("LAST ONE")}};
  QMap<int, QString> jobs;
  for (int code = 0; code < 100; code += 3) jobs.insert(code, QStringLiteral("JOB %1").arg(code));
  const struct {
    const char* report;
    const char* decoder;
    int records;
  } cases[] = {{"coupon", "tEcrRptCrs3000Coupon", 200}, {"cashier", "tEcrRptCrs3000Cashier", 4},
               {"clkpnchs", "tEcrRptCrs3000ClkPnchs", 40}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.report);
    SynthRequest request;
    request.report = QLatin1String(c.report);
    request.records = c.records;
    request.names = names;
    request.jobNames = jobs;
    const SynthAnswer answer = Synthesiser::Synthesise(request);

    tTestDriver driver;
    tNamesPrg<kCouponClass, kDescriptor>::AddTo(driver, names);
    tNamesPrg<kEmployeeClass, kName>::AddTo(driver, names);
    tNamesPrg<kJobCodesClass, kDescriptor>::AddTo(driver, jobs);
    auto report = std::unique_ptr<tEcrRpt>(
        dynamic_cast<tEcrRpt*>(tEcrFnct::CreateByClass(ClassByName(QLatin1String(c.decoder)), &driver).release()));
    ASSERT_NE(report, nullptr);
    SynthDecoding::Save(*report, answer, dir.filePath(QStringLiteral("%1.ecr").arg(QLatin1String(c.report))));
    EXPECT_EQ(SynthDecoding::Differences(answer.expectations, report->PollId), "");
    EXPECT_TRUE(answer.ExpectationText().contains(QStringLiteral("Name=FREE SODA")));
  }
}

// The item reports' names: a PLU memory's code and name from the PLU program, a group's
// from its group program, a stock item's PLU from the stock program and that PLU's name
// from the PLU program.
TEST_F(SynthKnownAnswerNames, ItemNamesComeFromTheirPrograms) {
  const QMap<int, QString> names{{1, QStringLiteral("COLA")}, {53, QStringLiteral("<FRIES>")},
                                 {120, QStringLiteral("ROAST")}};
  const QMap<int, qint64> codes{{1, 4711}, {53, 0}, {5, 120}, {6, 121}, {120, 77}};
  QList<QVariantMap> plus, groups, stock;
  for (auto it = names.cbegin(); it != names.cend(); ++it) {
    plus << QVariantMap{{"Memory Number", it.key()}, {"PluCode", codes.value(it.key())}, {"Descriptor", it.value()}};
    groups << QVariantMap{{"Number", it.key()}, {"Descriptor", it.value()}};
  }
  for (auto it = codes.cbegin(); it != codes.cend(); ++it) stock << QVariantMap{{"Number", it.key()}, {"PLU Code", it.value()}};
  const struct {
    const char* report;
    const char* decoder;
    int records;
  } cases[] = {{"plu", "tEcrRptCrs3000PLU", 130}, {"majgroup", "tEcrRptCrs3000MajorGroup", 60},
               {"subgroup", "tEcrRptCrs3000SubGroup", 130}, {"spcitmstk", "tEcrRptCrs3000SpcItmStk", 260}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.report);
    SynthRequest request;
    request.report = QLatin1String(c.report);
    request.records = c.records;
    request.names = names;
    request.codes = codes;
    const SynthAnswer answer = Synthesiser::Synthesise(request);

    tTestDriver driver;
    tPluPrg::AddTo(driver, plus);
    tMajGrpPrg::AddTo(driver, groups);
    tSubGrpPrg::AddTo(driver, groups);
    tSpItmStkPrg::AddTo(driver, stock);
    auto report = std::unique_ptr<tEcrRpt>(
        dynamic_cast<tEcrRpt*>(tEcrFnct::CreateByClass(ClassByName(QLatin1String(c.decoder)), &driver).release()));
    ASSERT_NE(report, nullptr);
    SynthDecoding::Save(*report, answer, dir.filePath(QStringLiteral("%1.ecr").arg(QLatin1String(c.report))));
    EXPECT_EQ(SynthDecoding::Differences(answer.expectations, report->PollId), "");
  }
}

std::string CaseName(const testing::TestParamInfo<Case>& param) {
  return QStringLiteral("%1_%2_%3")
      .arg(QLatin1String(param.param.report), QLatin1String(param.param.rom).mid(12))
      .arg(param.index)
      .toStdString();
}

INSTANTIATE_TEST_SUITE_P(Reports, SynthKnownAnswer, testing::ValuesIn(kCases), CaseName);
} // namespace
