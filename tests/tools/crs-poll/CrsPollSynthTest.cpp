// End to end over a line: the simulated register answers a report read with the blocks the
// synthesiser made, crs-poll reads and saves them into a data folder, and every stored
// value equals the synthesiser's expectation.
#include "CrsPollFixture.h"

#include "SynthCheck.h"
#include "crs-synth/Synthesiser.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"

namespace {
struct Case {
  const char* report; // the synthesiser's name
  const char* rom;
  int code;
  int records;
};

class CrsPollSynth : public CrsPollCli, public testing::WithParamInterface<Case> {};

// The register keeps a block without its frame: number, record count, data.
QList<QByteArray> Bodies(const QList<QByteArray>& frames) {
  QList<QByteArray> bodies;
  for (const QByteArray& frame : frames) bodies << frame.mid(2, frame.size() - 6);
  return bodies;
}

TEST_P(CrsPollSynth, AReadOverTheLineStoresWhatTheRegisterSent) {
  const Case& c = GetParam();
  SynthRequest request;
  request.report = QLatin1String(c.report);
  request.records = c.records;
  request.seed = 5;
  const SynthAnswer answer = Synthesiser::Synthesise(request);
  sim.SetReport(c.code, Bodies(answer.blocks));
  const QString data = dir.filePath(QStringLiteral("data"));
  const PollResult r = Run({"--rom", QLatin1String(c.rom), "--report", QString::number(c.code), "--data", data});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString() << r.out.join(QLatin1Char('\n')).toStdString();
  const QStringList differences =
      SynthCheck::Differences(TSession::Default().DatabaseForFolder(data), answer.expectations, 1);
  TSession::Default().CloseAll();
  EXPECT_EQ(differences, QStringList());
}

const Case kCases[] = {
    {"coupon", "3.02", 44, 400},
    {"cashier303", "3.03", 34, 5},
    {"fncl303", "3.04", 33, 1},
    {"plu", "3.02", 38, 107},
    {"opnordtrk2v4", "4.02", 65, 75},
};

INSTANTIATE_TEST_SUITE_P(Reports, CrsPollSynth, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& param) { return std::string(param.param.report); });
} // namespace
