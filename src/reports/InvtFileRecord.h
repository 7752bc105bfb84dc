#pragma once
// One 60-byte record of the inventory poll-update file, packed byte by byte in
// little-endian order whatever the machine's own order is.
//
// Every record: byte 0 in use (1), bytes 1-4 its own number, bytes 5-8 zero, byte 9 the
// kind (1 a poll header or the end record, 0 an item).
// A poll header: store and machine number (16-bit), the machine id (a length byte and 8
// bytes), the register date and the poll date (day, month, 16-bit year), hour, minute,
// a 1, the Z counter (16-bit), a 16-bit 1, the previous and next header (32-bit).
// An item: the PLU number as text (a length byte and 15 bytes), its number in the poll
// (16-bit), quantity and amount in thousandths and their scale 1000 (64-bit each).
// The end record: in use, kind 1, the last poll header at 38-41, every other byte zero.
#include "reports/InvtFileValues.h"

#include <QByteArray>

// A value of `from` decimals given with `to` decimals: multiplied by 10^(to - from), or
// divided and rounded half away from zero when it loses decimals.
qint64 ScaleDecimals(int to, int from, qint64 value);

class InvtFileRecord {
public:
  static constexpr int kSize = 60;
  static constexpr quint8 kItemKind = 0;
  static constexpr quint8 kHeaderKind = 1;

  // A record of zeros.
  InvtFileRecord();
  // The record's bytes as read; fewer or more than kSize is a programming error.
  explicit InvtFileRecord(QByteArray bytes);

  // Raise EInvtFileValue for a value that its field cannot hold.
  static InvtFileRecord PollHeader(qint32 ownNumber, const InvtPollHeader& values, qint32 previousHeader);
  static InvtFileRecord PollItem(qint32 ownNumber, const InvtPollItem& values, qint64 itemNumber);
  static InvtFileRecord End(qint32 lastHeader);

  bool InUse() const { return Byte(0) == 1; }
  void SetInUse() { bytes_[0] = 1; }
  quint8 Kind() const { return Byte(9); }
  qint32 OwnNumber() const;
  // The header links (the end record's link to the last header is its "previous").
  qint32 Previous() const;
  qint32 Next() const;
  void SetNext(qint32 record);
  // Exactly the end record's shape, so that a poll header of record 0 is not taken for one.
  bool IsEnd() const;
  bool IsPollHeader() const { return InUse() && Kind() == kHeaderKind && !IsEnd(); }

  const QByteArray& Bytes() const { return bytes_; }

private:
  quint8 Byte(int offset) const { return static_cast<quint8>(bytes_[offset]); }
  qint64 Get(int offset, int width) const;
  void Put(int offset, int width, qint64 value);
  // A length byte, then the text's bytes, the rest of the width zero.
  void PutText(int offset, int maxLength, const QByteArray& text);

  QByteArray bytes_;
};
