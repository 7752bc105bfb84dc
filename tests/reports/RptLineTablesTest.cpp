// The line tables of the line-chain forms against their written definitions: each form's
// LineSpec table printed in the columns of a text table copied by hand beside this test
// (linetables/, notation in its README), row by row, so that a slip in a caption, a band, a
// field name or a descriptor number shows as the one row that differs.
#include "reports/RptCshrLines.h"
#include "reports/RptFnclSectionLines.h"
#include "reports/RptLineSpec.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

namespace {
struct TextTable {
  QStringList columns;
  QList<QStringList> rows;  // one a line, runs expanded
  QString error;
};

QString Cell(QString text) {
  text = text.trimmed();
  if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) return text.mid(1, text.size() - 2);
  return text;
}

// "X to Y" of a run of n lines: the one number where X and Y differ, counting up.
QStringList Expand(const QString& cell, int n, QString& error) {
  const qsizetype to = cell.indexOf(QLatin1String(" to "));
  if (to < 0) return QStringList(n, Cell(cell));
  const QString from = Cell(cell.left(to)), last = Cell(cell.mid(to + 4));
  qsizetype at = 0;
  while (at < from.size() && at < last.size() && from[at] == last[at]) ++at;
  while (at > 0 && from[at - 1].isDigit()) --at;
  qsizetype end = at;
  while (end < from.size() && from[end].isDigit()) ++end;
  const QString digits = from.mid(at, end - at);
  const QString tail = from.mid(end);
  const int first = digits.toInt(), width = digits.startsWith(u'0') ? int(digits.size()) : 0;
  QStringList cells;
  for (int i = 0; i < n; ++i) cells << from.left(at) + QStringLiteral("%1").arg(first + i, width, 10, QLatin1Char('0')) + tail;
  if (digits.isEmpty() || cells.last() != last) error += QStringLiteral("cannot run \"%1\" over %2 lines; ").arg(cell).arg(n);
  return cells;
}

TextTable Read(const QString& name) {
  TextTable table;
  QFile file(QStringLiteral(TB_REPORTS_TEST_DIR "/linetables/") + name);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {{}, {}, QStringLiteral("no file ") + file.fileName()};
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
    const QStringList cells = line.split(QLatin1String(" | "));
    if (table.columns.isEmpty()) {
      for (const QString& cell : cells) table.columns << cell.trimmed();
      continue;
    }
    const QStringList span = cells.value(0).split(u'-');
    const int from = span[0].toInt(), n = span.size() == 2 ? span[1].toInt() - from + 1 : 1;
    QList<QStringList> run(n);
    for (int c = 0; c < cells.size(); ++c) {
      const QStringList expanded = c == 0 ? Expand(QStringLiteral("%1 to %2").arg(from).arg(from + n - 1), n, table.error)
                                          : Expand(cells[c], n, table.error);
      for (int i = 0; i < n; ++i) run[i] << expanded[i];
    }
    table.rows << run;
  }
  return table;
}

QString SourceText(const RptLineSpec& line) {
  switch (line.source) {
  case RptCaptionSource::Descriptor: return QStringLiteral("D %1").arg(line.number);
  case RptCaptionSource::FunctionKey:
    return QStringLiteral("F %1").arg(line.number) + (line.suffix.isEmpty() ? QString() : u'+' + line.suffix);
  case RptCaptionSource::MajorGroup: return QStringLiteral("G %1").arg(line.number);
  case RptCaptionSource::Fixed: break;
  }
  return QStringLiteral("fixed");
}

// A test that reads a line's only field is the single test, whatever the table calls it.
QString TestText(const RptLineSpec& line) {
  const bool one = line.count.isEmpty() || line.total.isEmpty();
  switch (line.test) {
  case RptLineTest::Pair: return one ? QStringLiteral("single") : QStringLiteral("pair");
  case RptLineTest::Single: return QStringLiteral("single");
  case RptLineTest::Value: return QStringLiteral("value");
  case RptLineTest::CountOnly: return line.total.isEmpty() ? QStringLiteral("single") : QStringLiteral("count only");
  case RptLineTest::TotalOnly: return line.count.isEmpty() ? QStringLiteral("single") : QStringLiteral("total only");
  case RptLineTest::ValueCount: return QStringLiteral("value count");
  case RptLineTest::Gated: return QStringLiteral("gated");
  case RptLineTest::Custom: break;
  }
  return QStringLiteral("custom");
}

QString Dash(const QString& text) { return text.isEmpty() ? QStringLiteral("-") : text; }

QString Column(const RptLineSpec& line, int number, const QString& column) {
  if (column == QLatin1String("lines")) return QString::number(number);
  if (column == QLatin1String("band")) return line.band;
  if (column == QLatin1String("design caption")) return line.caption;
  if (column == QLatin1String("caption source")) return SourceText(line);
  if (column == QLatin1String("count field")) return Dash(line.count);
  if (column == QLatin1String("total field")) return Dash(line.total);
  if (column == QLatin1String("Avg")) return line.average ? QStringLiteral("yes") : QStringLiteral("no");
  if (column == QLatin1String("test")) return TestText(line);
  return QStringLiteral("(no column %1)").arg(column);
}

std::string Row(const QStringList& cells) { return cells.join(QLatin1String(" | ")).toStdString(); }

void ExpectTable(const QString& file, const QList<RptLineSpec>& lines) {
  SCOPED_TRACE(file.toStdString());
  const TextTable table = Read(file);
  ASSERT_TRUE(table.error.isEmpty()) << table.error.toStdString();
  EXPECT_EQ(lines.size(), table.rows.size());
  for (int i = 0; i < lines.size() && i < table.rows.size(); ++i) {
    QStringList printed;
    for (const QString& column : table.columns) printed << Column(lines[i], i + 1, column);
    EXPECT_EQ(Row(printed), Row(table.rows[i])) << "line " << i + 1;
  }
}

const char* const kSectionFiles[] = {"sales", "receipts", "memo", "sysbal", "tblsrvc"};
} // namespace

TEST(RptLineTables, SectionFormsMatchTheirWrittenTables) {
  for (int section = 0; section < RptFnclSectionLines::kSectionCount; ++section)
    ExpectTable(QString::fromLatin1(kSectionFiles[section]) + QStringLiteral(".txt"), RptFnclSectionLines::SectionForm(section));
}

TEST(RptLineTables, FinancialFormMatchesItsWrittenTables) {
  for (int section = 0; section < RptFnclSectionLines::kSectionCount; ++section)
    ExpectTable(QStringLiteral("financial-%1.txt").arg(QString::fromLatin1(kSectionFiles[section])),
                RptFnclSectionLines::FinancialForm(section));
}

TEST(RptLineTables, CashierAndDayShiftFormsMatchTheirWrittenTables) {
  ExpectTable(QStringLiteral("cashier.txt"), RptCshrLines::Cashier());
  ExpectTable(QStringLiteral("dayshift.txt"), RptCshrLines::DayShift());
}

// The reader itself: a run expands by the one number that differs, zero filled.
TEST(RptLineTables, ARunExpandsByItsNumber) {
  QString error;
  EXPECT_EQ(Expand(QStringLiteral("F 98+(2) to F 102+(2)"), 5, error),
            (QStringList{"F 98+(2)", "F 99+(2)", "F 100+(2)", "F 101+(2)", "F 102+(2)"}));
  EXPECT_EQ(Expand(QStringLiteral("AItmDisc01 Count to AItmDisc10 Count"), 10, error).value(8), QStringLiteral("AItmDisc09 Count"));
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  Expand(QStringLiteral("Cash 1 to Cash 4"), 5, error);
  EXPECT_FALSE(error.isEmpty());
}
