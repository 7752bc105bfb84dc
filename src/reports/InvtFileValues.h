#pragma once
// What one poll puts into the inventory poll-update file: the poll's header values and
// its sold items. Numbers are held wide here; the record builders refuse a value that
// does not fit its field in the file (EInvtFileValue) instead of letting it wrap.
#include <QDate>
#include <QString>
#include <QTime>

struct InvtPollHeader {
  qint64 storeNumber = 0;   // 0..65535
  qint64 machineNumber = 0; // 0..65535
  QString machineId;        // its first 8 characters are written
  QDate ecrDate;
  QDate pollDate;
  QTime pollTime;           // hour and minute are written
  qint64 zCounter = 0;      // 0..65535
};

struct InvtPollItem {
  qint64 pluNumber = 0;            // written as decimal text of at most 15 characters
  qint64 quantityThousandths = 0;  // 2.5 sold: 2500
  qint64 amountHundredths = 0;     // 12.34: 1234, written in thousandths
};
