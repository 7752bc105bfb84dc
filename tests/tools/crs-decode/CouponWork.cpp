#include "CouponWork.h"

#include "model/ModelFixture.h"
#include "TestSupport.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"

#include <QtEndian>

namespace {
QByteArray SignedBcd(qint64 value, int width) {
  const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
  return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
}

QByteArray Le32(qint32 value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}
} // namespace

QByteArray CouponWork::Header() {
  return Framed(TestSupport::Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1);
}

QByteArray CouponWork::Record(qint64 cents, qint64 count) { return SignedBcd(cents, 6) + SignedBcd(count, 5); }

QByteArray CouponWork::Records(int first, int count) {
  QByteArray records;
  for (int i = first; i < first + count; ++i) records += Record(qint64(i) * 100 + 5, i);
  return records;
}

QByteArray CouponWork::File(const QList<QByteArray>& blocks, qint32 count) {
  QByteArray bytes = Le32(count < 0 ? qint32(blocks.size()) : count);
  for (const QByteArray& block : blocks) bytes += Le32(qint32(block.size())) + block;
  return bytes;
}

QList<QByteArray> CouponWork::Poll(int coupons) {
  QList<QByteArray> blocks{Header()};
  for (int first = 1; first <= coupons; first += 180)
    blocks << Framed(Records(first, qMin(180, coupons - first + 1)), int(blocks.size() + 1));
  return blocks;
}

QList<QVariantList> StoredRows(const QString& dataFolder, const QString& table, const QString& columns, const QString& where) {
  TDatabase& db = TSession::Default().DatabaseForFolder(dataFolder);
  QList<QVariantList> rows;
  if (!db.TableExists(table)) return rows;
  TQuery query(db);
  query.Exec(QStringLiteral("SELECT %1 FROM %2%3").arg(columns, SqlText::Quote(table),
                                                        where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
             {});
  while (query.Next()) {
    QVariantList row;
    for (int i = 0; i < query.ColumnCount(); ++i) row << query.Value(i);
    rows << row;
  }
  TSession::Default().CloseAll(); // the program run next writes the file
  return rows;
}
