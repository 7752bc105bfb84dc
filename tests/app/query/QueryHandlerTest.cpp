// The query server's commands against a seeded data folder: each command's answer file,
// bound values in the poll list, and bad requests answered with an empty file, an error
// reply and a logged line, never with a box on the screen.
#include "QueryFixture.h"

#include "TestSupport.h"
#include "app/query/QueryCommands.h"
#include "app/query/QueryHandler.h"
#include "app/query/QueryService.h"
#include "store/settings/SettingsFile.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
class QueryHandlerTest : public QueryFixture {
protected:
  // Runs the request into the file "answer.txt" of the test; the reply.
  QByteArray Ask(const QString& command, const QString& machine, const QString& param = QString()) {
    return QueryHandler::Handle(QStringList{command, machine, Answer(), param}.join(QLatin1Char('\t')).toUtf8());
  }
  QString Answer() const { return Path(QStringLiteral("answer.txt")); }
};
} // namespace

TEST_F(QueryHandlerTest, MachineListWritesATabSeparatedLineForEachMachine) {
  EXPECT_EQ(Ask(QStringLiteral("MachineList"), QString()), "OK");
  EXPECT_EQ(TestSupport::ReadFile(Answer()), "") << "no machine stored: an empty file";
  AddCrsMachine(QStringLiteral("Front"));
  AddCrsMachine(QStringLiteral("Caf\u00e9"));
  EXPECT_EQ(Ask(QStringLiteral("MachineList"), QStringLiteral("ignored"), QStringLiteral("ignored")), "OK");
  const QByteArray bytes = TestSupport::ReadFile(Answer());
  // Windows-1252 bytes, CR LF after every line.
  EXPECT_TRUE(bytes.contains("Caf\xE9\t")) << bytes.toStdString();
  const QStringList lines = Lines(Answer());
  ASSERT_EQ(lines.size(), 2) << Joined(lines);
  for (const QString& line : lines) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 4) << line.toStdString();
    EXPECT_FALSE(fields[1].isEmpty());
    EXPECT_TRUE(fields[3].startsWith(QStringLiteral("3.02"))) << line.toStdString();
  }
  EXPECT_TRUE(lines.filter(QRegularExpression(QStringLiteral("^Front\t"))).size() == 1) << Joined(lines);
}

TEST_F(QueryHandlerTest, EveryCommandAnswersFromTheMachinesStoredData) {
  AddCrsMachine(QStringLiteral("Front"));
  AddPlus(QStringLiteral("Front"), {{101, QStringLiteral("Bread"), 1.25}, {7, QStringLiteral("Milk"), 0.5}});
  const qint32 poll = SaveFinancialPoll(QStringLiteral("Front"));
  ASSERT_GT(poll, 0);
  const struct {
    const char* command;
    QString param;
    QStringList head; // the answer's first lines
    qsizetype size;
  } cases[] = {
      {"PLUList", {}, {"2", "101\tBread\t1.25", "7\tMilk\t0.50"}, 3},
      {"UPCList", {}, {"0"}, 1},
      {"GroupList", {}, {"0"}, 1},
      {"FnclList", {}, {"146", "0", "Sales-Item Sales Total"}, 2 + 146 + 4},
      {"EmplList", {}, {"0"}, 1},
      {"Available", QStringLiteral("0"), {"tEcrRptCrs3000PLU"}, 1},
      {"Available", QStringLiteral("1"), {"tEcrRptCrs3000Financial"}, 1},
      {"Available", QStringLiteral(" 2"), {"tEcrRptCrs3000MajorGroup"}, 1},
      {"Available", QStringLiteral("3"), {"tEcrRptCrs3000TimeKeeping"}, 1},
      {"PollList", QStringLiteral("1"), {"1", QString::number(poll), "3/4/2026 10:30:00 AM"}, 5},
      {"PollList", QStringLiteral("0"), {"0"}, 1},
      {"Poll", QString::number(poll) + QStringLiteral("\t1"), {"146", "Sales-Item Sales Total", "-12.34"}, 293},
      {"Poll", QString::number(poll) + QStringLiteral("\t0"), {"0"}, 1},
      {"PLUPrg", {}, {GetDataAlias(), "Default.tEcrPrgCrs3000PLU.db", "PluCode", "Descriptor", "PriceHalo"}, 18},
      {"UPCPrg", {}, {"0"}, 1},
  };
  QStringList seen;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.command) + " " + c.param.toStdString());
    seen << QString::fromLatin1(c.command);
    ASSERT_EQ(Ask(QString::fromLatin1(c.command), QStringLiteral("Front"), c.param), "OK");
    const QStringList lines = Lines(Answer());
    EXPECT_EQ(lines.size(), c.size) << Joined(lines);
    EXPECT_EQ(lines.mid(0, c.head.size()), c.head) << Joined(lines);
  }
  seen << QStringLiteral("MachineList");
  seen.removeDuplicates();
  EXPECT_EQ(seen.size(), QueryCommands::Names().size()) << "every command has a case";
}

TEST_F(QueryHandlerTest, APollListBindsAMachineIdHoldingAQuote) {
  const QString quoted = QStringLiteral("Bar\"1");
  AddCrsMachine(QStringLiteral("Front"));
  AddCrsMachine(quoted);
  SaveFinancialPoll(QStringLiteral("Front"));
  EXPECT_EQ(Ask(QStringLiteral("PollList"), quoted, QStringLiteral("1")), "OK");
  EXPECT_EQ(Lines(Answer()), QStringList{"0"});
  const qint32 own = SaveFinancialPoll(quoted);
  EXPECT_EQ(Ask(QStringLiteral("PollList"), quoted, QStringLiteral("1")), "OK");
  const QStringList lines = Lines(Answer());
  ASSERT_EQ(lines.size(), 5) << Joined(lines);
  EXPECT_EQ(lines[0], "1");
  EXPECT_EQ(lines[1], QString::number(own));
  EXPECT_EQ(Ask(QStringLiteral("Poll"), quoted, QString::number(own) + QStringLiteral("\t1")), "OK");
  EXPECT_EQ(Lines(Answer()).size(), 293);
}

TEST_F(QueryHandlerTest, ABadRequestGetsAnEmptyFileAnErrorReplyAndALoggedLine) {
  AddCrsMachine(QStringLiteral("Front"));
  const qint32 poll = SaveFinancialPoll(QStringLiteral("Front"));
  const QString id = QString::number(poll);
  const struct {
    const char* command;
    const char* machine;
    QString param;
    const char* reason;
  } cases[] = {
      {"Foo", "Front", {}, "Unknown command"},
      {"machinelist", "", {}, "Unknown command"},
      {"Available", "Front", QStringLiteral("x1"), "not a valid integer"},
      {"Available", "Front", QStringLiteral("4"), "Unknown kind 4"},
      {"PollList", "Front", QString(), "not a valid integer"},
      {"PollList", "Front", QStringLiteral("-1"), "Unknown kind -1"},
      {"Poll", "Front", id + QStringLiteral("\t9"), "Unknown kind 9"},
      {"Poll", "Front", id, "not a valid integer"}, // no kind
      {"Poll", "Front", QStringLiteral("12x\t1"), "poll id '12x'"},
      {"Poll", "Front", id + QStringLiteral(" or 1=1\t1"), "not a valid integer"},
      {"PLUList", "Back", {}, "Machine not found"},
      {"PollList", "Back", QStringLiteral("1"), "Machine not found"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.command) + " " + c.param.toStdString());
    TestSupport::WriteFile(Answer(), "stale answer\r\n");
    Logged().clear();
    const QByteArray reply = Ask(QString::fromLatin1(c.command), QString::fromLatin1(c.machine), c.param);
    EXPECT_TRUE(reply.startsWith("ERR ")) << reply.toStdString();
    EXPECT_TRUE(reply.contains(c.reason)) << reply.toStdString();
    EXPECT_FALSE(reply.contains('\n'));
    EXPECT_EQ(TestSupport::ReadFile(Answer()), "");
    ASSERT_EQ(Logged().size(), 1) << Joined(Logged());
    EXPECT_TRUE(Logged()[0].contains(QString::fromLatin1(c.reason))) << Logged()[0].toStdString();
  }
  EXPECT_TRUE(prompter.shown.isEmpty()) << Joined(prompter.Texts());
}

TEST_F(QueryHandlerTest, AnOverlongLineStillEmptiesAWholeAnswerFile) {
  TestSupport::WriteFile(Answer(), "stale");
  const QByteArray head = "PLUList\tFront\t" + Answer().toUtf8() + "\t" + QByteArray(100, '9');
  const QByteArray reply = QueryHandler::Handle(head, true);
  EXPECT_EQ(reply, "ERR The request is longer than " + QByteArray::number(QueryService::kRequestLimit) + " bytes");
  EXPECT_EQ(TestSupport::ReadFile(Answer()), "");
  EXPECT_EQ(Logged().size(), 1);
  // Cut inside the path: no file is made from half a name.
  const QString half = Answer().left(Answer().size() - 3);
  EXPECT_TRUE(QueryHandler::Handle("PLUList\tFront\t" + half.toUtf8(), true).startsWith("ERR "));
  EXPECT_FALSE(QFile::exists(half));
}

TEST_F(QueryHandlerTest, AnAnswerFileThatCannotBeMadeIsRefused) {
  AddCrsMachine(QStringLiteral("Front"));
  const QByteArray noFolder = QueryHandler::Handle("MachineList\t\t" + Path("none/a.txt").toUtf8() + "\t");
  EXPECT_TRUE(noFolder.startsWith("ERR Cannot create file")) << noFolder.toStdString();
  // Fewer than three TABs: no answer file at all.
  EXPECT_TRUE(QueryHandler::Handle("MachineList\t\t" + Answer().toUtf8()).startsWith("ERR Cannot create file"));
  EXPECT_FALSE(QFile::exists(Answer()));
  EXPECT_EQ(Logged().size(), 2);
}

TEST_F(QueryHandlerTest, APollListBeforeAnyPollWasStoredIsZero) {
  AddCrsMachine(QStringLiteral("Front"));
  EXPECT_EQ(Ask(QStringLiteral("PollList"), QStringLiteral("Front"), QStringLiteral("3")), "OK");
  EXPECT_EQ(Lines(Answer()), QStringList{"0"});
}
