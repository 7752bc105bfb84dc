#include "SynthCheck.h"

#include "platform/engine/TQuery.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QRegularExpression>
#include <QTime>

namespace {
QMap<QString, QString> Fields(const QStringList& parts) {
  QMap<QString, QString> fields;
  for (const QString& part : parts) {
    const qsizetype eq = part.indexOf(QLatin1Char('='));
    if (eq > 0) fields.insert(part.left(eq), part.mid(eq + 1));
  }
  return fields;
}

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// A stored value in the synthesiser's notation, as the expected text shows which.
QString AsExpected(const QVariant& value, const QString& expected) {
  if (value.isNull()) return QStringLiteral("\\N");
  static const QRegularExpression money(QStringLiteral("^-?\\d+\\.\\d\\d$")), hhmm(QStringLiteral("^\\d\\d:\\d\\d$")),
      date(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d$"));
  if (money.match(expected).hasMatch()) return QString::number(double(qRound64(value.toDouble() * 100)) / 100, 'f', 2);
  if (hhmm.match(expected).hasMatch()) {
    if (value.typeId() == QMetaType::QTime) return value.toTime().toString(QStringLiteral("hh:mm"));
    if (value.typeId() == QMetaType::QDateTime) return value.toDateTime().time().toString(QStringLiteral("hh:mm"));
    const int minutes = int(qRound64(value.toDouble() * 24 * 60) % (24 * 60));
    return TwoDigits(minutes / 60) + QLatin1Char(':') + TwoDigits(minutes % 60);
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

void Compare(const QMap<QString, QString>& expected, const TQuery& row, const QString& where, QStringList& out) {
  for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
    const int column = Column(row, it.key());
    if (column < 0) {
      out << QStringLiteral("%1: no column \"%2\"").arg(where, it.key());
      continue;
    }
    const QString stored = AsExpected(row.Value(column), it.value());
    if (stored != it.value()) out << QStringLiteral("%1, \"%2\": stored %3, expected %4").arg(where, it.key(), stored, it.value());
  }
}
} // namespace

namespace SynthCheck {
int PollCount(const QStringList& expectations) {
  int tables = 0;
  for (const QString& line : expectations) tables += line.startsWith(QLatin1String("table\t"));
  return tables;
}

QStringList Differences(TDatabase& database, const QStringList& expectations, qint64 firstPollId) {
  QStringList out;
  QMap<QString, QString> header;
  for (qsizetype i = 0; i < expectations.size(); ++i) {
    const QStringList parts = expectations[i].split(QLatin1Char('\t'));
    if (parts[0] == QLatin1String("header")) header = Fields(parts.mid(1));
    if (parts[0] != QLatin1String("table")) continue;
    const QString table = parts[1];
    const QMap<QString, QString> info = Fields(parts.mid(2));
    const qint64 poll = firstPollId + info.value(QStringLiteral("poll")).toLongLong();
    const QString where = QStringLiteral("%1, poll %2").arg(table).arg(poll);

    TQuery pollRow(database);
    pollRow.Exec(QStringLiteral("SELECT * FROM \"AllPolls\" WHERE \"Poll Id\" = ?"), {poll});
    if (!pollRow.Next()) {
      out << where + QStringLiteral(": no AllPolls row");
      continue;
    }
    QMap<QString, QString> pollExpected = header;
    pollExpected.insert(QStringLiteral("EcrRptClass"), info.value(QStringLiteral("class")));
    pollExpected.insert(QStringLiteral("Report Name"), info.value(QStringLiteral("report")));
    Compare(pollExpected, pollRow, where + QStringLiteral(", AllPolls"), out);

    TQuery rows(database);
    rows.Exec(QStringLiteral("SELECT * FROM \"%1\" WHERE \"Poll Id\" = ? ORDER BY rowid").arg(table), {poll});
    const int count = info.value(QStringLiteral("rows")).toInt();
    for (int r = 0; r < count; ++r) {
      if (!rows.Next()) {
        out << QStringLiteral("%1: %2 rows, expected %3").arg(where).arg(r).arg(count);
        break;
      }
      const QStringList row = expectations.value(i + 1 + r).split(QLatin1Char('\t'));
      Compare(Fields(row.mid(1)), rows, QStringLiteral("%1, row %2").arg(where).arg(r + 1), out);
    }
    if (rows.Next()) out << where + QStringLiteral(": more rows than expected");
  }
  return out;
}
} // namespace SynthCheck
