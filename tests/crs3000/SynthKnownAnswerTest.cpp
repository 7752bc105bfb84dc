// Every report decoder against answers made by the synthesiser, a peer written from the
// record descriptions apart from the decoders: for each report and ROM layout, over
// several blocks, every stored value (every column of every row, the poll rows of the
// answer and their header values) equals the synthesiser's expectation.
#include "model/ModelFixture.h"

#include "SynthCheck.h"
#include "crs-synth/Synthesiser.h"
#include "platform/engine/TSession.h"
#include "platform/engine/EngineConfig.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>

namespace {
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

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
};

class SynthKnownAnswer : public CrsFixture, public testing::WithParamInterface<Case> {};

TEST_P(SynthKnownAnswer, EveryStoredValueIsTheSynthesisersExpectation) {
  const Case& c = GetParam();
  SynthRequest request;
  request.report = QLatin1String(c.report);
  request.records = c.records;
  request.perBlock = c.perBlock;
  request.seed = 11;
  const SynthAnswer answer = Synthesiser::Synthesise(request);
  const QString path = dir.filePath(QStringLiteral("synth.ecr"));
  Synthesiser::WriteWorkFile(answer, path);

  std::unique_ptr<tEcr> driver = tEcr::New(ClassByName(QLatin1String(c.rom)));
  tEcrRpt* listed = driver->FindRptByClass(QLatin1String(c.decoder));
  std::unique_ptr<tEcrFnct> own;
  if (!listed) own = tEcrFnct::CreateByClass(ClassByName(QLatin1String(c.decoder)), driver.get()); // a sub-report
  tEcrRpt& report = listed ? *listed : dynamic_cast<tEcrRpt&>(*own);
  QFile file(path);
  report.ReadBlockFile(file);
  const qint64 first = report.PollId;
  ASSERT_GT(first, 0);

  EXPECT_EQ(SynthCheck::Differences(TSession::Default().Database(kData), answer.expectations, first), QStringList());
  EXPECT_EQ(PollIds().size(), SynthCheck::PollCount(answer.expectations));
}

std::string CaseName(const testing::TestParamInfo<Case>& param) {
  return QStringLiteral("%1_%2_%3")
      .arg(QLatin1String(param.param.report), QLatin1String(param.param.rom).mid(12))
      .arg(param.index)
      .toStdString();
}

INSTANTIATE_TEST_SUITE_P(Reports, SynthKnownAnswer, testing::ValuesIn(kCases), CaseName);
} // namespace
