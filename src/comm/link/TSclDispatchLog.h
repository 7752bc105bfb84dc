#pragma once
// The dispatch log of a dispatcher: a byte ring of timed entries (a 16-byte header and its
// data), oldest dropped first, dumped as a text table.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

class TSclDispatchLog {
public:
  static constexpr int kMaxSize = 16000000;
  static constexpr int kHeaderSize = 16;

  // Entry kinds and sub-kinds; their names are messages 15001 + kind and 15100 + sub-kind.
  enum Kind : uint8_t {
    lkNoEvent = 0, lkDispatch = 1, lkTrigger = 2, lkError = 3, lkThread = 4, lkTrigAllc = 5,
    lkTrigDisp = 6, lkTrgHdAlc = 7, lkTrgHdDsp = 8, lkTrDatChg = 9, lkPacket = 18, lkUser = 19,
  };
  enum SubKind : uint8_t {
    lsNone = 0, lsReadCom = 1, lsWriteCom = 2, lsAvail = 5, lsTimer = 6, lsStatus = 8,
    lsTimerTrigger = 14, lsStatusTrigger = 15, lsAvailTrigger = 16, lsWindow = 17, lsMethod = 19,
    lsPacketEnable = 242, lsPacketDisable = 243, lsStringPacket = 244, lsSizePacket = 245,
    lsPacketTimeout = 246, lsStartStr = 247, lsEndStr = 248, lsIdle = 249, lsWaiting = 250,
    lsCollecting = 251,
  };

  // Empties an existing ring (its size stays) or makes one of size bytes; logging on.
  void Start(int size);
  void Stop();
  void Clear();
  void Resume();
  void Pause();
  bool Logging() const { return on_; }
  bool Exists() const { return size_ > 0; }
  // Entry times count from here (the port's opening).
  void StartClock();

  void AddEntry(int kind, int subKind, uint32_t data, const QByteArray& bytes = QByteArray());
  // A "User" entry with the text, when logging is on.
  void AddMark(const QString& text);
  // Writes the file and frees the ring: 0, or minus the I/O error number (the ring stays).
  int Dump(const QString& fileName, bool append, bool hex);

  // The "Compiler : " and "Operating System : " texts of the file's header.
  static QString CompilerText();
  static QString PlatformText();

private:
  void Free();
  void Put(const char* bytes, int n);
  void Get(int at, char* bytes, int n) const;
  QByteArray EntryLine(const char* header, const QByteArray& data, bool hex) const;

  std::vector<char> ring_;
  int size_ = 0;
  int write_ = 0;
  int read_ = 0;
  int free_ = 0;
  bool on_ = false;
  qint64 clockStart_ = 0;
};
