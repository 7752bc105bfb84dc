#include "comm/link/SclStrings.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {
struct Entry {
  int id;
  const char* text;
};

// Sorted by id. Groups for services this system does not contain (the telephony binding,
// fax, file protocols, network) carry no texts.
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
    {1001, "Bad handle passed to com function"},
    {1002, "Bad argument passed to function"},
    {1003, "Got quit message"},
    {1005, "ComPort component not assigned"},
    {1006, "Internal error creating window class"},
    {2001, "ie_BadId - Specified comport doesn't exist"},
    {2002, "ie_Baudrate - unsupported baud rate"},
    {2003, "ie_Bytesize - invalid byte size"},
    {2004, "ie_Default - error in default parameters"},
    {2005, "ie_Hardware - Specified comport in use"},
    {2006, "ie_Memory - unable to allocate queues"},
    {2007, "ie_NOpen - device not open"},
    {2008, "ie_Open - device already open"},
    {2009, "No more handles, can't open port"},
    {2010, "No timers available"},
    {2011, "The ComNumber property of the TSclComPort has not been set"},
    {2012, "Comport was not opened by Tapi"},
    {3001, "No device layer specified"},
    {3002, "Function not supported by driver"},
    {3003, "EnableCommNotification failed"},
    {3004, "Failed to put entire block"},
    {3005, "Failed to get entire block"},
    {3006, "Output buffer too small for block"},
    {3007, "Buffer is empty"},
    {3008, "Tracing not enabled"},
    {3009, "Logging not enabled"},
    {3010, "Base address not set"},
    {5001, "No more trigger slots"},
    {5002, "Data trigger too long"},
    {5003, "Bad trigger handle"},
    {5501, "Start string is empty"},
    {5502, "Packet size cannot be smaller than start string"},
    {5503, "CharCount packets must have an end-condition"},
    {5504, "End string is empty"},
    {5505, "Packet size cannot be zero"},
    {13815, "Resource in use"},
    {13866, "No device"},
    {13872, "Operation failed"},
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
