#include "InvFileFixture.h"

namespace InvFileFixture {

namespace {

constexpr int kSize = 60;

QByteArray Blank(int own, int kind) {
  QByteArray r(kSize, '\0');
  Put(r, 0, 0, 1, 1);
  Put(r, 0, 1, 4, own);
  Put(r, 0, 9, 1, kind);
  return r;
}

} // namespace

void Put(QByteArray& file, int record, int offset, int width, qint64 value) {
  for (int i = 0; i < width; ++i) file[record * kSize + offset + i] = char((quint64(value) >> (8 * i)) & 0xFF);
}

void PutText(QByteArray& file, int record, int offset, const QByteArray& text) {
  for (int i = 0; i < text.size(); ++i) file[record * kSize + offset + i] = text[i];
}

QByteArray HeaderRecord(int own, int previous, int next, const HeaderValues& v) {
  QByteArray r = Blank(own, 1);
  Put(r, 0, 10, 2, v.store);
  Put(r, 0, 12, 2, v.machine);
  Put(r, 0, 14, 1, v.machineId.size());
  PutText(r, 0, 15, v.machineId);
  const int dates[2][4] = {{23, v.ecrDay, v.ecrMonth, v.ecrYear}, {27, v.pollDay, v.pollMonth, v.pollYear}};
  for (const auto& d : dates) {
    Put(r, 0, d[0], 1, d[1]);
    Put(r, 0, d[0] + 1, 1, d[2]);
    Put(r, 0, d[0] + 2, 2, d[3]);
  }
  Put(r, 0, 31, 1, v.hour);
  Put(r, 0, 32, 1, v.minute);
  Put(r, 0, 33, 1, 1);
  Put(r, 0, 34, 2, v.zCounter);
  Put(r, 0, 36, 2, 1);
  Put(r, 0, 38, 4, previous);
  Put(r, 0, 42, 4, next);
  return r;
}

QByteArray ItemRecord(int own, const QByteArray& pluText, int itemNumber, qint64 quantity,
                      qint64 amountThousandths) {
  QByteArray r = Blank(own, 0);
  Put(r, 0, 10, 1, pluText.size());
  PutText(r, 0, 11, pluText);
  Put(r, 0, 26, 2, itemNumber);
  Put(r, 0, 28, 8, quantity);
  Put(r, 0, 36, 8, amountThousandths);
  Put(r, 0, 44, 8, 1000);
  Put(r, 0, 52, 8, 1000);
  return r;
}

QByteArray EndRecord(int lastHeader) {
  QByteArray r = Blank(0, 1);
  Put(r, 0, 38, 4, lastHeader);
  return r;
}

QByteArray OnePollFile() {
  return HeaderRecord(0, 0, 4) + ItemRecord(1, "4711", 1, 2500, 12340) +
         ItemRecord(2, "12", 2, 1000, 990) + ItemRecord(3, "-5", 3, -3000, -4500) + EndRecord(0);
}

QByteArray TwoPollFile() {
  HeaderValues second;
  second.machineId = "TILL0002";
  second.zCounter = 301;
  second.pollDay = 7;
  second.hour = 9;
  second.minute = 0;
  return HeaderRecord(0, 0, 4) + ItemRecord(1, "4711", 1, 2500, 12340) +
         ItemRecord(2, "12", 2, 1000, 990) + ItemRecord(3, "-5", 3, -3000, -4500) +
         HeaderRecord(4, 0, 6, second) + ItemRecord(5, "99999999999999", 1, 125, 70) + EndRecord(4);
}

QByteArray ThreePollFile() {
  QByteArray file = TwoPollFile().left(6 * 60) + HeaderRecord(6, 4, 8) + ItemRecord(7, "4711", 1, 1000, 1230) +
                    EndRecord(6);
  Put(file, 4, 42, 4, 6);
  return file;
}

} // namespace InvFileFixture
