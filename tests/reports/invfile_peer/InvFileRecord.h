#pragma once
// One 60-byte record of an inventory poll-update file, read in place: little-endian fields,
// the checks that one record can make on itself, and messages that name the record.
#include <QByteArray>
#include <QString>

namespace InvFilePeer {

namespace Offsets {
// Every record.
inline constexpr int kInUse = 0, kOwnNumber = 1, kReserved = 5, kKind = 9;
// Poll header.
inline constexpr int kStore = 10, kMachine = 12, kMachineId = 14, kEcrDate = 23, kPollDate = 27,
                     kHour = 31, kMinute = 32, kHeaderOne = 33, kZCounter = 34, kHeaderUnit = 36,
                     kPrevious = 38, kNext = 42, kHeaderTail = 46;
// Item.
inline constexpr int kPlu = 10, kItemNumber = 26, kQuantity = 28, kAmount = 36,
                     kQuantityScale = 44, kAmountScale = 52;
} // namespace Offsets

class Record {
public:
  // Record `index` of a file whose length is a whole number of records.
  Record(const QByteArray& file, int index);

  int U8(int offset) const;
  int U16(int offset) const;
  qint32 I32(int offset) const;
  qint64 I64(int offset) const;

  // The offset of the first byte in [from, to) that is not 0, or -1.
  int FirstNonZero(int from, int to) const;
  void ExpectZero(int from, int to, const char* what) const;
  void ExpectValue(int offset, qint64 expected, qint64 actual, const char* what) const;
  // A length byte followed by `max` bytes, of which those past the length must be 0.
  QByteArray Counted(int offset, int max, const char* what) const;

  [[noreturn]] void Fail(const QString& what, int offset = -1) const;

  const int index;

private:
  QString Label() const;

  const char* data_;
  const bool last_;
};

} // namespace InvFilePeer
