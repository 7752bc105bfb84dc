// Captions named by the register's program tables: a row that is there replaces the
// design caption (an empty text too); a missing row, a program the driver does not have,
// or one whose table was never made keeps it, and the form prints all the same.
#include "PollFixture.h"

namespace {
using ProgramNames = PollFixture;

QStringList LineCaptions(const QStringList& page) {
  QStringList captions;
  bool inRows = false;
  for (const QString& line : page) {
    if (line.trimmed().startsWith(QLatin1String("Line Value"))) {
      inRows = true;
      continue;
    }
    if (inRows) captions.append(line.left(line.indexOf(QLatin1Char('$'))).trimmed());
  }
  return captions;
}
} // namespace

TEST_F(ProgramNames, ARowThatIsThereNamesTheLineEvenWithAnEmptyText) {
  AddProgram();
  StoreNames({{1, QStringLiteral("SODA")}, {2, QString()}});
  const qint32 poll = StorePoll(PollHeader(), {100, 200, 300});
  EXPECT_EQ(LineCaptions(Pages(poll).value(0)), (QStringList{"SODA", "", "Line"}));
}

TEST_F(ProgramNames, AProgramTheDriverDoesNotHaveReadsAsAnEmptyTable) {
  const qint32 poll = StorePoll(PollHeader(), {100, 200});
  const QList<QStringList> pages = Pages(poll);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_EQ(LineCaptions(pages[0]), (QStringList{"Line", "Line"}));
  EXPECT_TRUE(pages[0].join(QLatin1Char('\n')).contains(QStringLiteral("$2.00")));
}

TEST_F(ProgramNames, AProgramWhoseTableWasNeverMadeReadsAsAnEmptyTable) {
  AddProgram();
  const qint32 poll = StorePoll(PollHeader(), {100});
  EXPECT_EQ(LineCaptions(Pages(poll).value(0)), QStringList{"Line"});
}
