// The tillbridge-query program run against a server in this test, on a seeded data folder:
// each command, its exit status and its error text.
#include "QueryFixture.h"

#include "app/query/QueryServer.h"
#include "store/settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <gtest/gtest.h>

#ifdef QUERY_CLIENT_PROGRAM
namespace {
struct ClientResult {
  int exitCode = -1; // -1: it did not end in time
  QByteArray out;
  QByteArray err;
};

class QueryClientTest : public QueryFixture {
protected:
  QueryClientTest() : server(Path(QStringLiteral("q.sock"))) {}

  // Runs the program, in the test's folder, while this thread serves its requests.
  ClientResult RunProgram(const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(QUERY_CLIENT_PROGRAM), arguments);
    const QDeadlineTimer guard(30000);
    while (process.state() != QProcess::NotRunning && !guard.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished();
      return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
  }
  ClientResult Run(const QStringList& arguments) {
    return RunProgram(QStringList{QStringLiteral("--socket"), server.Path()} + arguments);
  }

  QueryServer server;
};
} // namespace

TEST_F(QueryClientTest, EachCommandAnswersIntoItsFile) {
  AddCrsMachine(QStringLiteral("Front"));
  AddCrsMachine(QStringLiteral("Bar\"1"));
  AddPlus(QStringLiteral("Front"), {{42, QStringLiteral("Soup"), 3.5}});
  const QString poll = QString::number(SaveFinancialPoll(QStringLiteral("Front")));
  const struct {
    QStringList arguments; // after the answer file
    const char* machine;
    QStringList head;
    qsizetype size;
  } cases[] = {
      {{}, "", {}, 2}, // MachineList, checked below
      {{}, "Front", {"1", "42\tSoup\t3.50"}, 2},
      {{}, "Front", {"0"}, 1},
      {{}, "Front", {"0"}, 1},
      {{}, "Front", {"146", "0"}, 152},
      {{}, "Front", {"0"}, 1},
      {{"1"}, "Front", {"tEcrRptCrs3000Financial"}, 1},
      {{"1"}, "Bar\"1", {"0"}, 1},
      {{poll, "1"}, "Front", {"146", "Sales-Item Sales Total", "-12.34", "Sales-Net Coupon Total", "0"}, 293},
      {{}, "Front", {GetDataAlias(), "Default.tEcrPrgCrs3000PLU.db"}, 18},
      {{}, "Front", {"0"}, 1},
  };
  const char* const commands[] = {"MachineList", "PLUList", "UPCList", "GroupList", "FnclList", "EmplList",
                                  "Available",   "PollList", "Poll",   "PLUPrg",    "UPCPrg"};
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(commands[i]);
    // A relative answer file is the client's own folder's.
    const QString file = QStringLiteral("answer%1.txt").arg(i);
    const ClientResult result =
        Run(QStringList{QString::fromLatin1(commands[i]), QString::fromUtf8(c.machine), file} + c.arguments);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, "");
    const QStringList lines = Lines(Path(file));
    EXPECT_EQ(lines.size(), c.size) << Joined(lines);
    EXPECT_EQ(lines.mid(0, c.head.size()), c.head) << Joined(lines);
  }
  const QStringList fncl = Lines(Path(QStringLiteral("answer8.txt")));
  EXPECT_EQ(fncl.value(fncl.indexOf(QStringLiteral("Rcpts-Cash 1 Total")) + 1), "123.45");
  const QStringList machines = Lines(Path(QStringLiteral("answer0.txt")));
  ASSERT_EQ(machines.size(), 2);
  for (const QString& line : machines) EXPECT_EQ(line.count(QLatin1Char('\t')), 3) << line.toStdString();
}

TEST_F(QueryClientTest, ARefusedRequestExitsNonZeroWithTheReason) {
  AddCrsMachine(QStringLiteral("Front"));
  const struct {
    QStringList arguments;
    int exitCode;
    const char* err;
  } cases[] = {
      {{"Poll", "Front", "p.txt", "12x", "1"}, 1, "'12x' is not a valid integer value"},
      {{"Available", "Front", "p.txt", "9"}, 1, "Unknown kind 9"},
      {{"PollList", "Nobody", "p.txt", "1"}, 1, "Machine not found"},
      {{"Bogus", "Front", "p.txt"}, 1, "Unknown command 'Bogus'"},
      {{"MachineList", ""}, 2, "an answer file are needed"},
      {{"MachineList", "a\tb", "p.txt"}, 2, "holds a line break or a TAB"},
      {{"--timeout", "0", "MachineList", "", "p.txt"}, 2, "--timeout wants seconds, not '0'"},
      {{"--timeout"}, 2, "--timeout needs a value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
    QStringList arguments = c.arguments;
    for (QString& argument : arguments)
      if (argument.endsWith(QLatin1String(".txt"))) argument = Path(argument);
    const ClientResult result = Run(arguments);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_TRUE(result.err.contains(c.err)) << result.err.toStdString();
    EXPECT_EQ(result.out, "");
  }
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(QueryClientTest, ADashPrintsTheAnswerAndNoServerIsExitThree) {
  AddCrsMachine(QStringLiteral("Front"));
  const ClientResult printed = Run({QStringLiteral("Available"), QStringLiteral("Front"), QStringLiteral("-"),
                                    QStringLiteral("0")});
  EXPECT_EQ(printed.exitCode, 0) << printed.err.toStdString();
  EXPECT_EQ(printed.out, "tEcrRptCrs3000PLU\r\n");
  const ClientResult nobody = RunProgram({QStringLiteral("--socket"), Path(QStringLiteral("none.sock")),
                                          QStringLiteral("MachineList"), QString(), Path(QStringLiteral("x.txt"))});
  EXPECT_EQ(nobody.exitCode, 3);
  EXPECT_TRUE(nobody.err.contains("No server is running at")) << nobody.err.toStdString();
}
#endif
