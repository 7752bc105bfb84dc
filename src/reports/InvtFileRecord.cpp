#include "reports/InvtFileRecord.h"

#include "platform/sys/Cp1252.h"
#include "reports/EInvtFileValue.h"

#include <cstdlib>

namespace {
// Offsets of the fields.
constexpr int kOwnNumber = 1, kKind = 9;
constexpr int kStore = 10, kMachine = 12, kMachineId = 14, kEcrDate = 23, kPollDate = 27, kHour = 31, kMinute = 32,
              kHeaderOne = 33, kZCounter = 34, kHeaderOneWord = 36, kPrevious = 38, kNext = 42;
constexpr int kPluNumber = 10, kItemNumber = 26, kQuantity = 28, kAmount = 36, kQuantityScale = 44, kAmountScale = 52;
constexpr int kMachineIdLength = 8, kPluNumberLength = 15;
constexpr qint64 kScale = 1000;

qint64 Unsigned16(const char* what, qint64 value) {
  if (value < 0 || value > 0xFFFF)
    throw EInvtFileValue(QStringLiteral("%1 %2 cannot be written to the inventory file: it must be 0 to 65535.")
                             .arg(QString::fromLatin1(what))
                             .arg(value));
  return value;
}
} // namespace

qint64 ScaleDecimals(int to, int from, qint64 value) {
  qint64 power = 1;
  for (int i = 0; i < std::abs(to - from); ++i) power *= 10;
  if (to >= from) return value * power;
  const qint64 half = power / 2;
  return value >= 0 ? (value + half) / power : -((-value + half) / power);
}

InvtFileRecord::InvtFileRecord() : bytes_(kSize, '\0') {}

InvtFileRecord::InvtFileRecord(QByteArray bytes) : bytes_(std::move(bytes)) { Q_ASSERT(bytes_.size() == kSize); }

qint64 InvtFileRecord::Get(int offset, int width) const {
  quint64 value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | Byte(offset + i);
  if (width < 8 && (value >> (8 * width - 1)) & 1) value |= ~quint64(0) << (8 * width); // sign
  return static_cast<qint64>(value);
}

void InvtFileRecord::Put(int offset, int width, qint64 value) {
  auto bits = static_cast<quint64>(value);
  for (int i = 0; i < width; ++i, bits >>= 8) bytes_[offset + i] = static_cast<char>(bits & 0xFF);
}

void InvtFileRecord::PutText(int offset, int maxLength, const QByteArray& text) {
  const QByteArray kept = text.left(maxLength);
  bytes_[offset] = static_cast<char>(kept.size());
  for (int i = 0; i < maxLength; ++i) bytes_[offset + 1 + i] = i < kept.size() ? kept[i] : '\0';
}

qint32 InvtFileRecord::OwnNumber() const { return static_cast<qint32>(Get(kOwnNumber, 4)); }
qint32 InvtFileRecord::Previous() const { return static_cast<qint32>(Get(kPrevious, 4)); }
qint32 InvtFileRecord::Next() const { return static_cast<qint32>(Get(kNext, 4)); }
void InvtFileRecord::SetNext(qint32 record) { Put(kNext, 4, record); }

bool InvtFileRecord::IsEnd() const {
  for (int i = 0; i < kSize; ++i) {
    if (i >= kPrevious && i < kPrevious + 4) continue;
    if (Byte(i) != ((i == 0 || i == kKind) ? 1 : 0)) return false;
  }
  return true;
}

InvtFileRecord InvtFileRecord::PollHeader(qint32 ownNumber, const InvtPollHeader& values, qint32 previousHeader) {
  InvtFileRecord record;
  record.SetInUse();
  record.Put(kOwnNumber, 4, ownNumber);
  record.Put(kKind, 1, kHeaderKind);
  record.Put(kStore, 2, Unsigned16("Store Number", values.storeNumber));
  record.Put(kMachine, 2, Unsigned16("Machine Number", values.machineNumber));
  record.PutText(kMachineId, kMachineIdLength, Cp1252::Encode(values.machineId.left(kMachineIdLength)));
  const std::pair<int, QDate> dates[] = {{kEcrDate, values.ecrDate}, {kPollDate, values.pollDate}};
  for (const auto& [offset, date] : dates) {
    record.Put(offset, 1, date.day());
    record.Put(offset + 1, 1, date.month());
    record.Put(offset + 2, 2, Unsigned16("Year", date.year()));
  }
  record.Put(kHour, 1, values.pollTime.hour());
  record.Put(kMinute, 1, values.pollTime.minute());
  record.Put(kHeaderOne, 1, 1);
  record.Put(kZCounter, 2, Unsigned16("Z Counter", values.zCounter));
  record.Put(kHeaderOneWord, 2, 1);
  record.Put(kPrevious, 4, previousHeader);
  return record;
}

InvtFileRecord InvtFileRecord::PollItem(qint32 ownNumber, const InvtPollItem& values, qint64 itemNumber) {
  const QByteArray plu = QByteArray::number(values.pluNumber);
  if (plu.size() > kPluNumberLength)
    throw EInvtFileValue(QStringLiteral("PLU number %1 cannot be written to the inventory file: it has more than 15 characters.")
                             .arg(values.pluNumber));
  InvtFileRecord record;
  record.SetInUse();
  record.Put(kOwnNumber, 4, ownNumber);
  record.Put(kKind, 1, kItemKind);
  record.PutText(kPluNumber, kPluNumberLength, plu);
  record.Put(kItemNumber, 2, Unsigned16("Item number", itemNumber));
  record.Put(kQuantity, 8, ScaleDecimals(3, 3, values.quantityThousandths));
  record.Put(kAmount, 8, ScaleDecimals(3, 2, values.amountHundredths));
  record.Put(kQuantityScale, 8, kScale);
  record.Put(kAmountScale, 8, kScale);
  return record;
}

InvtFileRecord InvtFileRecord::End(qint32 lastHeader) {
  InvtFileRecord record;
  record.SetInUse();
  record.Put(kKind, 1, kHeaderKind);
  record.Put(kPrevious, 4, lastHeader);
  return record;
}
