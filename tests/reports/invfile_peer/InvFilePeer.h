#pragma once
// An independent reader of the inventory poll-update file (".DTA", 60-byte records), kept
// apart from the export that writes it: it walks every record, checks every field whose value
// the format fixes and every link of the header chain, and describes what it found. Tests run
// it over files the export wrote, so that a misreading of the format is not shared by both.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <stdexcept>

namespace InvFilePeer {

inline constexpr int kRecordSize = 60;

// A day, month and year as stored; all three 0 reads as "no date".
struct Date {
  int day = 0;
  int month = 0;
  int year = 0;
  bool IsEmpty() const { return day == 0 && month == 0 && year == 0; }
};

struct Item {
  int record = 0;
  QByteArray pluText;  // the length-prefixed decimal text as stored
  qint64 plu = 0;
  int itemNumber = 0;
  qint64 quantity = 0;  // in thousandths
  qint64 amount = 0;    // in thousandths of the money unit
  qint64 quantityScale = 0;
  qint64 amountScale = 0;
};

struct Header {
  int record = 0;
  int storeNumber = 0;
  int machineNumber = 0;
  QByteArray machineId;  // the stored bytes, at most 8
  Date ecrDate;
  Date pollDate;
  int hour = 0;
  int minute = 0;
  int zCounter = 0;
  int previous = 0;  // record number of the previous header (0 for the first poll)
  int next = 0;      // record number of the next header or of the end record
  QList<Item> items;
};

struct EndRecord {
  int record = 0;
  int lastHeader = 0;  // record number of the last header (0 when the file holds no poll)
};

struct Walk {
  int recordCount = 0;
  QList<Header> polls;
  EndRecord end;
};

// A file that breaks the format: the message names the record and, where it is one field,
// the byte offset within the record.
class EMalformed : public std::runtime_error {
public:
  explicit EMalformed(const QString& message);
};

// Walks the bytes of a whole file; raises EMalformed at the first inconsistency.
Walk WalkBytes(const QByteArray& bytes);

// The walk as lines of text, one per record, in file order.
QString WalkText(const Walk& walk);

} // namespace InvFilePeer

// Reads and walks the file at `path`: no value when it is well formed (its walk's text then
// goes to `walkText` when given), else the reason it is refused (a file that cannot be read
// is refused too).
std::optional<QString> InvFilePeerCheck(const QString& path, QString* walkText = nullptr);
