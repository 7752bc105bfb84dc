// The header of the CRS 3000 report forms on the text renderer: the poll's values beside
// their captions, the polled register and pre-polled texts, the three register lines from
// all 24 status bytes, and the relabelling of a consolidated poll.
#include "PollFixture.h"

#include "reports/RptRegisterLines.h"

#include <QRegularExpression>

namespace {
using ReportHeader = PollFixture;

QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }
} // namespace

TEST_F(ReportHeader, APolledRegisterShowsItsValuesBesideTheDesignCaptions) {
  const qint32 poll = StorePoll(PollHeader(), {1250});
  const QStringList page = Pages(poll).value(0);
  EXPECT_TRUE(Line(page, "Machine ID:").contains(QStringLiteral("STORE 1"))) << Line(page, "Machine ID:").toStdString();
  EXPECT_TRUE(Line(page, "Machine ID:").contains(QStringLiteral("Polled Date:")));
  EXPECT_TRUE(Line(page, "Machine ID:").contains(QStringLiteral("Totalizer:")));
  EXPECT_TRUE(Line(page, "Store Number:").contains(QStringLiteral("12")));
  EXPECT_TRUE(Line(page, "Machine Number:").contains(QStringLiteral("Z Counter:")));
  EXPECT_TRUE(Line(page, "Transaction Num:").contains(QStringLiteral("5678")));
  EXPECT_TRUE(Line(page, "Pre-Polled:").contains(QStringLiteral("Pre-Polled Report")));
  EXPECT_TRUE(Line(page, "Polled Reg.").contains(QStringLiteral(" 7")));
  EXPECT_FALSE(Line(page, "Poll Test Report").isEmpty());
  EXPECT_TRUE(Line(page, "Date Printed:").contains(QStringLiteral("Page:")));
}

TEST_F(ReportHeader, AReportOfOnlyThisPcOrModemSaysSo) {
  PollHeader header;
  header.prePolled = 0;
  const QStringList page = Pages(StorePoll(header, {1})).value(0);
  EXPECT_TRUE(Line(page, "Pre-Polled:").contains(QStringLiteral("Only PC/Modem Reg."))) << Line(page, "Pre-Polled:").toStdString();
}

TEST_F(ReportHeader, AConsolidatedPollShowsItsRangesUnderTheirOwnCaptions) {
  PollHeader header;
  header.machineId = QStringLiteral("1");
  header.store = 9;
  header.machine = 2;
  header.zCounter = 8;
  header.polledRegister = -1;
  const QStringList page = Pages(StorePoll(header, {1})).value(0);
  const QString first = Line(page, "First Store:");
  EXPECT_TRUE(first.contains(QStringLiteral("First Date:"))) << first.toStdString();
  EXPECT_FALSE(Line(page, "Last Store:").isEmpty());
  EXPECT_TRUE(Line(page, "First Machine:").contains(QStringLiteral("Last Machine:")));
  EXPECT_TRUE(Line(page, "First Machine:").contains(QStringLiteral("8")));
  EXPECT_TRUE(Line(page, "Last Store:").contains(QStringLiteral("Last Date:")));
  EXPECT_TRUE(Line(page, "Polled Reg.").contains(QStringLiteral("CONSOLIDATION")));
  for (const char* gone : {"Machine ID:", "Polled Date:", "ECR Date:", "Z Counter:"})
    for (const QString& line : page) EXPECT_FALSE(line.contains(QLatin1String(gone))) << line.toStdString();
}

TEST_F(ReportHeader, AnEmptyPolledRegisterPrintsNothingThere) {
  PollHeader header;
  header.polledRegister = QVariant();
  const QStringList page = Pages(StorePoll(header, {1})).value(0);
  // The register lines share the row; nothing stands between the caption and them.
  const QString line = Line(page, "Polled Reg.");
  EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("Polled Reg\\. +Prev Z")))) << line.toStdString();
}

TEST_F(ReportHeader, TheRegisterLinesReadEveryStatusByteZerosIncluded) {
  PollHeader header;
  header.status[4] = '\x07';   // register 5: in range, pre-polled, previous Z
  header.status[5] = '\x81';   // register 6: in range; the byte has no character of its own
  header.status[6] = '\x02';   // register 7: pre-polled
  header.status[23] = '\x04';  // register 24: previous Z
  const QStringList page = Pages(StorePoll(header, {1})).value(0);
  // The register line beside its caption (the caption followed by blanks, not a colon).
  auto lineAfter = [&page](const char* caption) {
    const QString key = QString::fromLatin1(caption) + QStringLiteral("   ");
    for (const QString& line : page)
      if (line.contains(key)) return line.mid(line.indexOf(key) + int(strlen(caption)));
    return QString();
  };
  EXPECT_TRUE(lineAfter("In Range").contains(QStringLiteral("  5  6"))) << lineAfter("In Range").toStdString();
  EXPECT_TRUE(lineAfter("Pre-Polled").contains(QStringLiteral("  5     7"))) << lineAfter("Pre-Polled").toStdString();
  EXPECT_TRUE(lineAfter("Prev Z").contains(QStringLiteral("  5") + Blanks(54) + QStringLiteral(" 24")))
      << lineAfter("Prev Z").toStdString();
}

TEST(RegisterLines, EachRegisterHasItsThreeCharactersOnEachLine) {
  struct Case {
    QByteArray status;
    QString inRange, prePolled, prevZ;
  };
  const QString none = Blanks(72);
  const Case cases[] = {
      {QByteArray("\x07", 1) + QByteArray(23, '\0'), QStringLiteral("  1") + Blanks(69), QStringLiteral("  1") + Blanks(69),
       QStringLiteral("  1") + Blanks(69)},
      {QByteArray(24, '\0'), none, none, none},
      {QByteArray(), none, none, none},
      {QByteArray(23, '\0') + QByteArray("\x01\x07", 2), Blanks(69) + QStringLiteral(" 24"), none, none},
      {QByteArray(9, '\0') + QByteArray("\xFB", 1), Blanks(27) + QStringLiteral(" 10") + Blanks(42),
       Blanks(27) + QStringLiteral(" 10") + Blanks(42), none},
  };
  for (const Case& c : cases) {
    const RptRegisterLines lines = RegisterLinesOf(c.status);
    EXPECT_EQ(lines.inRange, c.inRange) << c.status.toHex().toStdString();
    EXPECT_EQ(lines.prePolled, c.prePolled) << c.status.toHex().toStdString();
    EXPECT_EQ(lines.prevZ, c.prevZ) << c.status.toHex().toStdString();
  }
}
