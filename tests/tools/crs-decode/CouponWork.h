#pragma once
// Work files of the coupon report as a register of ROM 3.02 answers it: the poll header,
// then blocks of 11-byte records (a signed money total of 6 bytes, a signed count of 5).
#include <QByteArray>
#include <QList>
#include <QVariantList>

namespace CouponWork {
QByteArray Header();
QByteArray Record(qint64 cents, qint64 count);
// Records first .. first + count - 1, total i * 100 + 5 cents and count i for record i.
QByteArray Records(int first, int count);
// The bytes of a block file of these stored blocks.
QByteArray File(const QList<QByteArray>& blocks, qint32 count = -1);
// A poll of this many coupons in blocks of 180, the header first.
QList<QByteArray> Poll(int coupons);
} // namespace CouponWork

// The rows of a report table of the data folder, one list a row, by "Memory Number".
QList<QVariantList> StoredRows(const QString& dataFolder, const QString& table, const QString& columns,
                               const QString& where = QString());
