#include "comm/link/SclStrings.h"

#include "comm/link/SclErrorTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {
struct Entry {
  int id;
  const char* text;
};

// Sorted by id: the class library's I/O messages and the dispatch log's texts. The library's
// error messages stand in SclErrorTable.cpp.
constexpr Entry kStrings[] = {
    {0, "OK"},
    {2, "File not found"},
    {3, "Path not found"},
    {4, "Too many open files"},
    {5, "File access denied"},
    {6, "Invalid file handle"},
    {8, "Insufficient memory"},
    {15, "Invalid drive"},
    {18, "No more files"},
    {100, "Attempt to read beyond end of file"},
    {101, "Disk is full"},
    {102, "File/device not assigned"},
    {103, "File/device not open"},
    {104, "File/device not open for input"},
    {105, "File/device not open for output"},
    {150, "Disk is write-protected"},
    {151, "Unknown disk unit"},
    {152, "Drive is not ready"},
    {153, "Unknown command"},
    {154, "Data error"},
    {155, "Bad request structure length"},
    {156, "Seek error"},
    {157, "Unknown media type"},
    {158, "Disk sector not found"},
    {159, "Printer is out of paper"},
    {160, "Device write error"},
    {161, "Device read error"},
    {162, "General failure"},
    // Dispatch-log kinds (15001 + kind).
    {15001, "No event"},
    {15002, "Dispatch"},
    {15003, "Trigger"},
    {15004, "Error"},
    {15005, "Thread"},
    {15006, "TrigAllc"},
    {15007, "TrigDisp"},
    {15008, "TrgHdAlc"},
    {15009, "TrgHdDsp"},
    {15010, "TrDatChg"},
    {15011, "Telnet"},
    {15012, "Fax"},
    {15013, "XModem"},
    {15014, "YModem"},
    {15015, "ZModem"},
    {15016, "Kermit"},
    {15017, "Ascii"},
    {15018, "BPlus"},
    {15019, "Packet"},
    {15020, "User"},
    // Dispatch-log sub-kinds (15100 + sub-kind).
    {15101, "ReadCom"},
    {15102, "WriteCom"},
    {15103, "Line status"},
    {15104, "Modem status"},
    {15105, "Avail"},
    {15106, "Timer"},
    {15107, "Data"},
    {15108, "Status"},
    {15109, "Start"},
    {15110, "Exit"},
    {15111, "Sleep"},
    {15112, "Wake"},
    {15113, "Data"},
    {15114, "Timer"},
    {15115, "Status"},
    {15116, "Avail"},
    {15117, "Window"},
    {15118, "Procedure"},
    {15119, "Method"},
    {15342, "Enable"},
    {15343, "Disable"},
    {15344, "StringPacket"},
    {15345, "SizePacket"},
    {15346, "PcktTimeout"},
    {15347, "StartStr"},
    {15348, "EndStr"},
    {15349, "Idle"},
    {15350, "Waiting"},
    {15351, "Collecting"},
    {15501, "Time      Type      SubType       Data      OtherData"},
    {15502, "--------  --------  ------------  --------  ---------"},
};

static_assert(std::is_sorted(std::begin(kStrings), std::end(kStrings),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

QString SystemMessage(int number) {
  if (number <= 0 || number > 4095) return QString();
  const QString text = QString::fromLocal8Bit(std::strerror(number));
  if (text.startsWith(QLatin1String("Unknown error"))) return QString();
  QString clean;
  for (QChar c : text) clean += c.unicode() < 32 ? QChar(' ') : c;
  while (clean.contains(QLatin1String("  "))) clean.replace(QLatin1String("  "), QLatin1String(" "));
  return clean;
}
} // namespace

QString LookupString(int id) {
  if (id > 0)
    if (const SclErrorRow* row = FindSclError(id)) return row->message ? QString::fromLatin1(row->message) : QString();
  // Binary search over the sorted table, as the resource reader always did.
  int low = 0;
  int high = static_cast<int>(std::size(kStrings)) - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    if (kStrings[middle].id == id) return QString::fromLatin1(kStrings[middle].text);
    if (kStrings[middle].id < id) low = middle + 1;
    else high = middle - 1;
  }
  return QString();
}

QString ErrorText(int code) {
  const int number = std::abs(code);
  QString text = LookupString(number);
  if (text.isEmpty()) text = SystemMessage(number);
  return text.left(255);
}
