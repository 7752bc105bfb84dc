#include "InvFilePeer.h"

#include "InvFileRecord.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>

namespace InvFilePeer {

EMalformed::EMalformed(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {

using namespace Offsets;

constexpr int kKindItem = 0;
constexpr int kKindHeader = 1;
constexpr int kMachineIdMax = 8;
constexpr int kPluTextMax = 15;
constexpr qint64 kScale = 1000;

// What each record turned out to be, for the messages about links.
enum class Role { Header, Item, End };

QString RoleName(Role role) {
  switch (role) {
    case Role::Header: return QStringLiteral("a poll header");
    case Role::Item: return QStringLiteral("an item");
    case Role::End: return QStringLiteral("the end record");
  }
  return {};
}

// The first byte that an end record must hold as 0 and does not, or -1: an end record keeps
// only its in-use byte, its kind and its backward link. A poll header always has some other
// byte set (byte 33 is 1), so a kind-1 record without a stray byte is an end record.
int EndStray(const Record& r) {
  for (int offset = kOwnNumber; offset < kRecordSize; ++offset) {
    const bool kept = offset == kKind || (offset >= kPrevious && offset < kNext);
    if (!kept && r.U8(offset) != 0) return offset;
  }
  return -1;
}

Date ReadDate(const Record& r, int offset, const char* what) {
  Date d{r.U8(offset), r.U8(offset + 1), r.U16(offset + 2)};
  if (d.IsEmpty()) return d;
  if (d.year < 1000 || d.year > 9999)
    r.Fail(QStringLiteral("%1 has year %2, not a four-digit year").arg(QLatin1String(what)).arg(d.year),
           offset + 2);
  if (!QDate(d.year, d.month, d.day).isValid())
    r.Fail(QStringLiteral("%1 %2/%3/%4 (day/month/year) is not a date")
               .arg(QLatin1String(what)).arg(d.day).arg(d.month).arg(d.year),
           offset);
  return d;
}

qint64 ReadPluNumber(const Record& r, const QByteArray& text) {
  static const QRegularExpression decimal(QStringLiteral("^(0|-?[1-9][0-9]*)$"));
  if (!decimal.match(QString::fromLatin1(text)).hasMatch())
    r.Fail(QStringLiteral("PLU number text \"%1\" is not a whole number in decimal digits")
               .arg(QString::fromLatin1(text)),
           kPlu + 1);
  return text.toLongLong();
}

class Walker {
public:
  explicit Walker(const QByteArray& bytes) : bytes_(bytes) {}

  Walk Run() {
    CheckSize();
    walk_.recordCount = int(bytes_.size() / kRecordSize);
    for (int i = 0; i < walk_.recordCount; ++i) ReadRecord(Record(bytes_, i));
    CheckLinks();
    return walk_;
  }

private:
  void CheckSize() const {
    if (bytes_.isEmpty())
      throw EMalformed(QStringLiteral("the file holds no record, so it has no end record"));
    if (bytes_.size() % kRecordSize != 0)
      throw EMalformed(QStringLiteral("the file length %1 is not a whole number of %2-byte records "
                                      "(%3 bytes over)")
                           .arg(bytes_.size()).arg(kRecordSize).arg(bytes_.size() % kRecordSize));
  }

  void ReadRecord(const Record& r) {
    if (r.U8(kInUse) != 1) r.Fail(QStringLiteral("record not in use: byte 0 is %1, expected 1").arg(r.U8(kInUse)), kInUse);
    r.ExpectZero(kReserved, kKind, "reserved bytes 5 to 8");
    const int kind = r.U8(kKind);
    if (kind != kKindItem && kind != kKindHeader)
      r.Fail(QStringLiteral("bad kind %1 (0 item, 1 poll header or end record)").arg(kind), kKind);
    const bool last = r.index == walk_.recordCount - 1;
    if (last) return ReadEnd(r, kind);
    if (kind == kKindItem) return ReadItem(r);
    if (EndStray(r) < 0)
      throw EMalformed(QStringLiteral("record %1: an end record stands before the last record (%2) of the file")
                           .arg(r.index).arg(walk_.recordCount - 1));
    ReadHeader(r);
  }

  void ExpectOwnNumber(const Record& r, int expected) const {
    if (r.I32(kOwnNumber) != expected)
      r.Fail(QStringLiteral("own number %1, expected %2").arg(r.I32(kOwnNumber)).arg(expected), kOwnNumber);
  }

  void ReadHeader(const Record& r) {
    ExpectOwnNumber(r, r.index);
    r.ExpectValue(kHeaderOne, 1, r.U8(kHeaderOne), "byte 33");
    r.ExpectValue(kHeaderUnit, 1, r.U16(kHeaderUnit), "bytes 36 to 37");
    r.ExpectZero(kHeaderTail, kRecordSize, "bytes 46 to 59");
    Header h;
    h.record = r.index;
    h.storeNumber = r.U16(kStore);
    h.machineNumber = r.U16(kMachine);
    h.machineId = r.Counted(kMachineId, kMachineIdMax, "Machine Id");
    h.ecrDate = ReadDate(r, kEcrDate, "register date");
    h.pollDate = ReadDate(r, kPollDate, "poll date");
    h.hour = r.U8(kHour);
    h.minute = r.U8(kMinute);
    if (h.hour > 23) r.Fail(QStringLiteral("poll hour %1 is past 23").arg(h.hour), kHour);
    if (h.minute > 59) r.Fail(QStringLiteral("poll minute %1 is past 59").arg(h.minute), kMinute);
    h.zCounter = r.U16(kZCounter);
    h.previous = r.I32(kPrevious);
    h.next = r.I32(kNext);
    walk_.polls.append(h);
    roles_.append(Role::Header);
  }

  void ReadItem(const Record& r) {
    if (walk_.polls.isEmpty()) r.Fail(QStringLiteral("an item with no poll header before it"));
    ExpectOwnNumber(r, r.index);
    Header& poll = walk_.polls.last();
    Item it;
    it.record = r.index;
    it.pluText = r.Counted(kPlu, kPluTextMax, "PLU number");
    it.plu = ReadPluNumber(r, it.pluText);
    it.itemNumber = r.U16(kItemNumber);
    r.ExpectValue(kItemNumber, poll.items.size() + 1, it.itemNumber,
                  "item number (the items of a poll count 1, 2, 3 from its header)");
    it.quantity = r.I64(kQuantity);
    it.amount = r.I64(kAmount);
    it.quantityScale = r.I64(kQuantityScale);
    it.amountScale = r.I64(kAmountScale);
    r.ExpectValue(kQuantityScale, kScale, it.quantityScale, "quantity scale");
    r.ExpectValue(kAmountScale, kScale, it.amountScale, "amount scale");
    if (it.amount % 10 != 0)
      r.Fail(QStringLiteral("amount %1 thousandths is not a whole number of hundredths").arg(it.amount), kAmount);
    poll.items.append(it);
    roles_.append(Role::Item);
  }

  void ReadEnd(const Record& r, int kind) {
    if (kind == kKindItem)
      r.Fail(QStringLiteral("the file has no end record: its last record is an item"));
    if (r.U8(kHeaderOne) == 1)
      r.Fail(QStringLiteral("the file has no end record: its last record is a poll header"));
    const int stray = EndStray(r);
    if (stray >= 0)
      r.Fail(QStringLiteral("the last record is no end record: byte %1 is %2, expected 0")
                 .arg(stray).arg(r.U8(stray)),
             stray);
    walk_.end = EndRecord{r.index, r.I32(kPrevious)};
    roles_.append(Role::End);
  }

  // What a link that is not the expected one points at, for the message.
  QString Target(int link) const {
    if (link < 0 || link >= walk_.recordCount)
      return QStringLiteral("points past the file (%1 records)").arg(walk_.recordCount);
    return QStringLiteral("points to %1").arg(RoleName(roles_[link]));
  }

  void CheckLink(int record, const char* roleName, int offset, const char* linkName, int link,
                 int expected, const QString& expectedWhat) const {
    if (link == expected) return;
    throw EMalformed(QStringLiteral("record %1 (%2), offset %3: dangling %4 link %5: it %6; "
                                    "expected %7, %8")
                         .arg(record).arg(QLatin1String(roleName)).arg(offset)
                         .arg(QLatin1String(linkName)).arg(link).arg(Target(link))
                         .arg(expected).arg(expectedWhat));
  }

  void CheckLinks() const {
    const auto& polls = walk_.polls;
    for (int k = 0; k < polls.size(); ++k) {
      const bool first = k == 0;
      const bool lastPoll = k + 1 == polls.size();
      CheckLink(polls[k].record, "poll header", kPrevious, "previous", polls[k].previous,
                first ? 0 : polls[k - 1].record,
                first ? QStringLiteral("as for the first poll") : QStringLiteral("the previous poll header"));
      CheckLink(polls[k].record, "poll header", kNext, "next", polls[k].next,
                lastPoll ? walk_.end.record : polls[k + 1].record,
                lastPoll ? QStringLiteral("the end record") : QStringLiteral("the next poll header"));
    }
    CheckLink(walk_.end.record, "end record", kPrevious, "last-header", walk_.end.lastHeader,
              polls.isEmpty() ? 0 : polls.last().record,
              polls.isEmpty() ? QStringLiteral("as the file holds no poll") : QStringLiteral("the last poll header"));
  }

  const QByteArray& bytes_;
  Walk walk_;
  QList<Role> roles_;
};

} // namespace

Walk WalkBytes(const QByteArray& bytes) { return Walker(bytes).Run(); }

} // namespace InvFilePeer

std::optional<QString> InvFilePeerCheck(const QString& path, QString* walkText) {
  if (walkText) walkText->clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
  try {
    const InvFilePeer::Walk walk = InvFilePeer::WalkBytes(file.readAll());
    if (walkText) *walkText = InvFilePeer::WalkText(walk);
    return std::nullopt;
  } catch (const InvFilePeer::EMalformed& e) {
    return QString::fromUtf8(e.what());
  }
}
