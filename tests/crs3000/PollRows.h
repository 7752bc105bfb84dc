#pragma once
// Saving a poll of hand-made blocks with a report object and reading back what it stored:
// the rows of the poll, in the order they were written, as column -> value.
#include "model/ModelFixture.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"

#include <QFile>
#include <QVariantMap>

#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

namespace PollRows {
// The poll header every test poll starts with.
inline QByteArray Header() {
  return Framed(QByteArray::fromHex("00580103042600 0C12340742") + QByteArray(24, '\0'), 1);
}

// A data block numbered `block` whose record count byte says `records`.
inline QByteArray Counted(const QByteArray& data, int block, int records) {
  QByteArray framed = Framed(data, block);
  framed[3] = char(records);
  return framed;
}

// The poll's rows of the table, in rowid order.
inline QList<QVariantMap> Of(const QString& table, qint64 pollId) {
  TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
  query.Exec(QStringLiteral("SELECT * FROM \"%1\" WHERE \"Poll Id\" = ? ORDER BY rowid").arg(table), {pollId});
  QList<QVariantMap> rows;
  while (query.Next()) {
    QVariantMap row;
    for (int c = 0; c < query.ColumnCount(); ++c) row.insert(query.ColumnName(c), query.Value(c));
    rows.append(row);
  }
  return rows;
}

// Money to the cent, for comparing stored amounts.
inline qint64 Cents(const QVariant& value) { return qRound64(value.toDouble() * 100); }
} // namespace PollRows

// The settings switch of the long table names, on for the object's life; the settings
// outlive a test, so it is put back off.
class ScopedLongTableNames {
public:
  ScopedLongTableNames() { Set(true); }
  ~ScopedLongTableNames() { Set(false); }
  ScopedLongTableNames(const ScopedLongTableNames&) = delete;
  ScopedLongTableNames& operator=(const ScopedLongTableNames&) = delete;
  static void Set(bool on) { OpenSettingsFile(QStringLiteral("Vexlo"))->WriteBoolean(QStringLiteral("Value"), on); }
};
