// The crs-synth program: its files equal the library's answer, and bad options end with a
// message and status 1.
#include "crs-synth/SynthBlockFile.h"
#include "crs-synth/Synthesiser.h"

#include "SynthTestSupport.h"
#include "TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef CRS_SYNTH_PROGRAM

namespace {
struct Outcome {
  int status = -1;
  QString out;
  QString err;
};

Outcome Synth(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(CRS_SYNTH_PROGRAM), arguments);
  Outcome run;
  if (!process.waitForFinished(20000)) return run;
  run.status = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

TEST(SynthProgram, WritesWorkFileFixtureAndExpectations) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const Outcome run = Synth({"--report", "coupon", "--records", "200", "--seed", "7", "--set", "181:Total=-15.00",
                         "--name", "181=TWO FOR ONE", "--header", "Z Counter=65535", "--work", dir.filePath("w.ecr"),
                         "--fixture", dir.filePath("fx"), "--expect", dir.filePath("rows.txt")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  SynthRequest request = SynthTestSupport::Request(QStringLiteral("coupon"), 200, {QStringLiteral("181:Total=-15.00")}, 7);
  request.names.insert(181, QStringLiteral("TWO FOR ONE"));
  request.header.append({QStringLiteral("Z Counter"), QStringLiteral("65535")});
  const SynthAnswer answer = SynthTestSupport::Make(request);
  EXPECT_EQ(SynthBlockFile::Read(dir.filePath("w.ecr")), answer.blocks);
  EXPECT_EQ(TestSupport::ReadFile(dir.filePath("fx/reports/44.ecr")), TestSupport::ReadFile(dir.filePath("w.ecr")));
  EXPECT_EQ(QString::fromUtf8(TestSupport::ReadFile(dir.filePath("rows.txt"))), answer.ExpectationText());
  EXPECT_TRUE(answer.ExpectationText().contains(QLatin1String("row\tMemory Number=181\tName=TWO FOR ONE\tTotal=-15.00\t")));
}

TEST(SynthProgram, ExpectationsGoToStandardOutputByDefault) {
  const Outcome run = Synth({"--report", "fncl303", "--seed", "3"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, SynthTestSupport::Make(QStringLiteral("fncl303"), -1, {}, 3).ExpectationText());
}

TEST(SynthProgram, BadOptionsEndWithAMessage) {
  const struct {
    QStringList arguments;
    const char* message;
  } cases[] = {
      {{}, "Give the report with --report NAME"},
      {{"--report", "voucher"}, "Unknown report \"voucher\""},
      {{"--report", "coupon", "--records", "many"}, "--records needs a number"},
      {{"--report", "coupon", "--set", "Total"}, "[record:]column=value"},
      {{"--report", "coupon", "--set", "Total=1.234"}, "Total takes an amount"},
      {{"--report", "coupon", "--name", "x"}, "--name takes NUMBER=TEXT"},
      {{"--report", "coupon", "--per-block", "181"}, "holds 1 to 180 records"},
      {{"--report", "coupon", "--bogus"}, "bogus"},
      {{"--report", "coupon", "stray"}, "Unexpected argument \"stray\""},
  };
  for (const auto& c : cases) {
    const Outcome run = Synth(c.arguments);
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_TRUE(run.err.startsWith(QLatin1String("crs-synth: "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String(c.message))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
}

TEST(SynthProgram, PeriodsAndResetReachTheAnswer) {
  const Outcome run = Synth({"--report", "prodmix", "--records", "10", "--periods", "48,24,12", "--seed", "4"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  SynthRequest request = SynthTestSupport::Request(QStringLiteral("prodmix"), 10, {}, 4);
  request.periods = {48, 24, 12};
  EXPECT_EQ(run.out, SynthTestSupport::Make(request).ExpectationText());

  const Outcome reset = Synth({"--report", "timekeeping", "--records", "1", "--reset"});
  ASSERT_EQ(reset.status, 0) << reset.err.toStdString();
  EXPECT_TRUE(reset.out.startsWith(QLatin1String("header\t"))) << reset.out.toStdString();
  EXPECT_TRUE(reset.out.section(QLatin1Char('\n'), 0, 0).contains(QLatin1String("Poll Type=Z")));

  for (const char* periods : {"20", "24,x"}) {
    const Outcome bad = Synth({"--report", "prodmix", "--periods", periods});
    EXPECT_EQ(bad.status, 1) << periods;
    EXPECT_TRUE(bad.err.startsWith(QLatin1String("crs-synth: "))) << bad.err.toStdString();
  }
}

TEST(SynthProgram, ReadsAWorkFileBackToItsRows) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const SynthAnswer answer = SynthTestSupport::Make(QStringLiteral("clkpnchs"), 9, {}, 5);
  Synthesiser::WriteWorkFile(answer, dir.filePath("w.ecr"));
  const Outcome run = Synth({"--report", "clkpnchs", "--read", dir.filePath("w.ecr")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, answer.ExpectationText());
  TestSupport::WriteFile(dir.filePath("cut.ecr"), TestSupport::ReadFile(dir.filePath("w.ecr")).chopped(1));
  const Outcome cut = Synth({"--report", "clkpnchs", "--read", dir.filePath("cut.ecr")});
  EXPECT_EQ(cut.status, 1);
  EXPECT_TRUE(cut.err.contains(QLatin1String("Block 2"))) << cut.err.toStdString();
}

TEST(SynthProgram, HelpListsTheReports) {
  const Outcome run = Synth({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.contains(QLatin1String("clkpnchs"))) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(QLatin1String("--expect")));
}
} // namespace

#endif
