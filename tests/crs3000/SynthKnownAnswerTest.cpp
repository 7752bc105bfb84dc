// Every report decoder against answers made by the synthesiser, a peer written from the
// record descriptions apart from the decoders: for each report and ROM layout, over
// several blocks, every stored value (every column of every row, the poll rows of the
// answer and their header values) equals the synthesiser's expectation.
#include "model/ModelFixture.h"

#include "crs-synth/Synthesiser.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "store/streaming/StreamRegistry.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTime>

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

QMap<QString, QString> Fields(const QStringList& parts) {
  QMap<QString, QString> fields;
  for (const QString& part : parts) {
    const qsizetype eq = part.indexOf(QLatin1Char('='));
    if (eq > 0) fields.insert(part.left(eq), part.mid(eq + 1));
  }
  return fields;
}

// A stored value in the synthesiser's notation, as the expected text shows which.
QString AsExpected(const QVariant& value, const QString& expected) {
  if (value.isNull()) return QStringLiteral("\\N");
  static const QRegularExpression money(QStringLiteral("^-?\\d+\\.\\d\\d$")), hhmm(QStringLiteral("^\\d\\d:\\d\\d$")),
      date(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d$"));
  if (money.match(expected).hasMatch()) return QString::number(double(qRound64(value.toDouble() * 100)) / 100, 'f', 2);
  if (hhmm.match(expected).hasMatch()) {
    if (value.typeId() == QMetaType::QTime) return value.toTime().toString(QStringLiteral("hh:mm"));
    if (value.typeId() == QMetaType::QDateTime) return value.toDateTime().time().toString(QStringLiteral("hh:mm"));
    const int minutes = int(qRound64(value.toDouble() * 24 * 60)) % (24 * 60);
    return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
  }
  if (date.match(expected).hasMatch()) {
    if (value.typeId() == QMetaType::QDate) return value.toDate().toString(Qt::ISODate);
    if (value.typeId() == QMetaType::QDateTime) return value.toDateTime().date().toString(Qt::ISODate);
    return QDate(1899, 12, 30).addDays(qint64(value.toDouble())).toString(Qt::ISODate);
  }
  if (expected == QLatin1String("true") || expected == QLatin1String("false"))
    return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
  return value.toString();
}

int Column(const TQuery& query, const QString& name) {
  for (int c = 0; c < query.ColumnCount(); ++c)
    if (query.ColumnName(c) == name) return c;
  return -1;
}

class SynthKnownAnswer : public CrsFixture, public testing::WithParamInterface<Case> {
protected:
  // The expected values against the stored row, column by column.
  static void Compare(const QMap<QString, QString>& expected, const TQuery& row, const QString& where) {
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
      const int column = Column(row, it.key());
      ASSERT_GE(column, 0) << where.toStdString() << ": no column " << it.key().toStdString();
      EXPECT_EQ(AsExpected(row.Value(column), it.value()), it.value())
          << where.toStdString() << ", " << it.key().toStdString();
    }
  }
};

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

  QMap<QString, QString> header;
  int tables = 0;
  for (qsizetype i = 0; i < answer.expectations.size(); ++i) {
    const QStringList parts = answer.expectations[i].split(QLatin1Char('\t'));
    if (parts[0] == QLatin1String("header")) header = Fields(parts.mid(1));
    if (parts[0] != QLatin1String("table")) continue;
    ++tables;
    const QString table = parts[1];
    const QMap<QString, QString> info = Fields(parts.mid(2));
    const qint64 poll = first + info.value(QStringLiteral("poll")).toLongLong();
    SCOPED_TRACE(QStringLiteral("%1, poll %2").arg(table).arg(poll).toStdString());

    TQuery pollRow(kData);
    pollRow.Exec(QStringLiteral("SELECT * FROM \"AllPolls\" WHERE \"Poll Id\" = ?"), {poll});
    ASSERT_TRUE(pollRow.Next());
    EXPECT_EQ(pollRow.Value(QStringLiteral("EcrRptClass")).toString(), info.value(QStringLiteral("class")));
    EXPECT_EQ(pollRow.Value(QStringLiteral("Report Name")).toString(), info.value(QStringLiteral("report")));
    Compare(header, pollRow, QStringLiteral("AllPolls"));

    TQuery rows(kData);
    rows.Exec(QStringLiteral("SELECT * FROM \"%1\" WHERE \"Poll Id\" = ? ORDER BY rowid").arg(table), {poll});
    const int count = info.value(QStringLiteral("rows")).toInt();
    for (int r = 0; r < count; ++r) {
      ASSERT_TRUE(rows.Next()) << "row " << r;
      Compare(Fields(answer.expectations[i + 1 + r].split(QLatin1Char('\t')).mid(1)), rows, QStringLiteral("row %1").arg(r + 1));
    }
    EXPECT_FALSE(rows.Next()) << "more rows than expected";
  }
  EXPECT_GT(tables, 0);
  EXPECT_EQ(PollIds().size(), tables);
}

std::string CaseName(const testing::TestParamInfo<Case>& param) {
  return QStringLiteral("%1_%2_%3")
      .arg(QLatin1String(param.param.report), QLatin1String(param.param.rom).mid(12))
      .arg(param.index)
      .toStdString();
}

INSTANTIATE_TEST_SUITE_P(Reports, SynthKnownAnswer, testing::ValuesIn(kCases), CaseName);
} // namespace
