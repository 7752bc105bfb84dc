// End to end over a line for the reports that bring follow-ups: a time period poll with
// all its sub-reports, and time keeping with and without its clock punches. The simulated
// register answers each read with the blocks the synthesiser made, crs-poll reads and
// saves them into a data folder, and every poll's rows equal the synthesiser's
// expectations, each poll under its own Poll Id in the order of the reads. Product mix in
// blocks of mixed record sizes and a weekday's projection go the same way.
#include "CrsPollFixture.h"

#include "SynthCheck.h"
#include "crs-synth/Synthesiser.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"

namespace {
QList<QByteArray> Bodies(const QList<QByteArray>& frames) {
  QList<QByteArray> bodies;
  for (const QByteArray& frame : frames) bodies << frame.mid(2, frame.size() - 6);
  return bodies;
}

struct Read {
  const char* report; // the synthesiser's name
  int code;
  int records;
  QList<int> periods = {}; // product mix: periods a record, by block
};

struct Case {
  const char* what;
  const char* rom;
  QStringList arguments;
  QList<Read> reads; // in the order crs-poll reads and saves them
};

class CrsPollPeriodSynth : public CrsPollCli, public testing::WithParamInterface<Case> {};

TEST_P(CrsPollPeriodSynth, EveryReportOfThePollIsStoredAsTheRegisterSentIt) {
  const Case& c = GetParam();
  QList<SynthAnswer> answers;
  quint64 seed = 21;
  for (const Read& read : c.reads) {
    SynthRequest request;
    request.report = QLatin1String(read.report);
    request.records = read.records;
    request.periods = read.periods;
    request.seed = seed++;
    request.header = {{QStringLiteral("Polled Area"), QStringLiteral("1")}};
    answers << Synthesiser::Synthesise(request);
    sim.SetReport(read.code, Bodies(answers.last().blocks));
  }
  const QString data = dir.filePath(QStringLiteral("data"));
  const PollResult r = Run(QStringList{"--rom", QLatin1String(c.rom), "--data", data} + c.arguments);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString() << r.out.join(QLatin1Char('\n')).toStdString();
  TDatabase& db = TSession::Default().DatabaseForFolder(data);
  QStringList differences;
  for (qsizetype k = 0; k < answers.size(); ++k)
    differences << SynthCheck::Differences(db, answers[k].expectations, k + 1);
  TQuery polls(db);
  polls.Exec(QStringLiteral("SELECT COUNT(*) FROM \"AllPolls\""), {});
  ASSERT_TRUE(polls.Next());
  const qint64 pollCount = polls.Value(0).toLongLong();
  TSession::Default().CloseAll();
  EXPECT_EQ(differences, QStringList());
  EXPECT_EQ(pollCount, answers.size());
}

const Case kCases[] = {
    {"time period and its five sub-reports", "3.02", {"--report", "35", "--sub", "31"},
     {{"timeperiod", 35, 96}, {"tpgrp", 36, 13}, {"tpeatin", 56, 49}, {"tptakeout", 57, 48},
      {"tptrack1", 58, 3}, {"tptrack2", 59, 60}}},
    {"time period alone", "2.26", {"--report", "35"}, {{"timeperiod", 35, 50}}},
    {"time keeping with its clock punches", "3.04", {"--report", "81", "--sub", "1"},
     {{"timekeeping", 81, 45}, {"clkpnchs", 80, 330}}},
    {"time keeping without punches", "3.02", {"--report", "81"}, {{"timekeeping", 81, 41}}},
    {"product mix of mixed record sizes", "3.02", {"--report", "43"}, {{"prodmix", 43, 16, {48, 36, 24, 12}}}},
    {"a weekday's product projection", "4.02", {"--report", "52"}, {{"prdprjwed", 52, 11}}},
};

INSTANTIATE_TEST_SUITE_P(Polls, CrsPollPeriodSynth, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& param) {
                           std::string name = param.param.what;
                           for (char& ch : name)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });
} // namespace
