#pragma once
// Hand-built inventory poll-update files for the reader's tests: records put together field
// by field at their byte offsets, and the files of one and of two polls that the format's own
// examples describe.
#include <QByteArray>

namespace InvFileFixture {

struct HeaderValues {
  int store = 7;
  int machine = 3;
  QByteArray machineId = "REG1";
  int ecrDay = 5, ecrMonth = 3, ecrYear = 2024;
  int pollDay = 6, pollMonth = 3, pollYear = 2024;
  int hour = 14, minute = 7;
  int zCounter = 300;
};

QByteArray HeaderRecord(int own, int previous, int next, const HeaderValues& values = {});
QByteArray ItemRecord(int own, const QByteArray& pluText, int itemNumber, qint64 quantity,
                      qint64 amountThousandths);
QByteArray EndRecord(int lastHeader);

// Writes `value` little-endian over `width` bytes at `offset` of record `record`.
void Put(QByteArray& file, int record, int offset, int width, qint64 value);
// Writes the bytes of `text` at `offset` of record `record`.
void PutText(QByteArray& file, int record, int offset, const QByteArray& text);

// One poll of three items in a new file: header 0 (previous 0, next 4), items 1 to 3, end 4.
QByteArray OnePollFile();
// That file after a second poll of one item: header 4 (previous 0, next 6), item 5, end 6.
QByteArray TwoPollFile();
// And after a third poll of one item: header 6 (previous 4, next 8), item 7, end 8. The only
// file of the three whose backward links are not all 0.
QByteArray ThreePollFile();

} // namespace InvFileFixture
