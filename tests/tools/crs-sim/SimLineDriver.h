#pragma once
// The system's end of a pseudo-terminal, written by hand for these tests: it sends bytes
// and reads back whole frames (two-byte control frames, or DLE STX .. DLE ETX + 2 CRC
// bytes, a doubled 0x10 being data), with its own small parser.
#include <QByteArray>
#include <QList>

class SimLineDriver {
public:
  SimLineDriver();  // openpty; both ends raw
  ~SimLineDriver(); // closes both ends
  SimLineDriver(const SimLineDriver&) = delete;
  SimLineDriver& operator=(const SimLineDriver&) = delete;

  int SimEnd() const { return master_; } // for CrsSim::Start
  void CloseSystemEnd();

  void Send(const QByteArray& bytes);
  // The next frame, or an empty array when none is complete within timeoutMs.
  QByteArray Frame(int timeoutMs = 2000);
  // True when no byte at all arrives within ms.
  bool Quiet(int ms);
  // Monotonic microseconds when the first and last byte of the last Frame() arrived.
  qint64 FirstByteUs() const { return firstUs_; }
  qint64 LastByteUs() const { return lastUs_; }
  static qint64 NowUs();

private:
  int Byte(qint64 deadlineUs); // -1 on time-out

  int master_ = -1;
  int slave_ = -1;
  qint64 firstUs_ = 0;
  qint64 lastUs_ = 0;
};
