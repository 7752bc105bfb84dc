#pragma once
// A serial device on a POSIX terminal: exclusive open, raw line settings, non-blocking reads
// and writes, and the event, line-error and modem-line model of the serial dispatcher.
// Modem lines and error counters are optional: a pseudo-terminal has neither, and the
// device then reports no changes and no errors instead of failing.
#include "platform/serialdev/SerialLockFile.h"
#include "platform/serialdev/SerialSettings.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

class ModemLineWatcher;

class SerialDevice {
public:
  // Event bits of WaitEvent.
  enum : uint32_t {
    EvRxChar = 0x0001,
    EvCts = 0x0008,
    EvDsr = 0x0010,
    EvRlsd = 0x0020,
    EvBreak = 0x0040,
    EvErr = 0x0080,
    EvRing = 0x0100,
    EvRingTe = 0x2000, // a ring's trailing edge: in the mask, though this device reports EvRing
    // The events of a modem line changing or ringing.
    EvModemLines = EvCts | EvDsr | EvRlsd | EvRing | EvRingTe,
  };
  // Line-error bits of TakeErrors.
  enum : uint32_t {
    ErrRxOver = 0x01,
    ErrOverrun = 0x02,
    ErrParity = 0x04,
    ErrFrame = 0x08,
    ErrBreak = 0x10,
    ErrAll = ErrRxOver | ErrOverrun | ErrParity | ErrFrame | ErrBreak,
  };
  // Modem-line bits of ModemStatus.
  enum : uint32_t { LineCts = 0x10, LineDsr = 0x20, LineRing = 0x40, LineDcd = 0x80 };

  // SetLine's result for a rate the device refuses: the serial library's "unsupported baud
  // rate" code.
  static constexpr int kRateRefused = -2002;

  using Opener = std::function<std::unique_ptr<SerialDevice>(const QString& path, int& error)>;

  // Opens the device at path for this process alone and holds its lock file while open.
  // On failure: nullptr, and error holds the system's error number (2 no such device,
  // 5 in use, others as SystemError.h).
  static std::unique_ptr<SerialDevice> Open(const QString& path, int& error);
  // Whether the device at path could be opened now: 0, 5 when another program holds it
  // (by its lock file or its own lock), or another error number. Leaves the line's
  // settings and queued bytes as they are.
  static int Probe(const QString& path);
  // Takes over a descriptor opened elsewhere (a modem's call); it is closed with the device.
  static std::unique_ptr<SerialDevice> Adopt(int fd, int& error);
  // Tests install their own opener for Open (an empty one restores the real one).
  static void SetOpener(Opener opener);

  virtual ~SerialDevice();
  SerialDevice(const SerialDevice&) = delete;
  SerialDevice& operator=(const SerialDevice&) = delete;

  int Fd() const { return fd_; }
  const QString& Path() const { return path_; }

  // Bytes read (0 when none wait); negative: minus the system's error number.
  int Read(char* buffer, int n);
  // Bytes the device took (0 when its queue is full); negative on failure.
  int Write(const char* bytes, int n);
  // Blocks until the device takes output (or, while output waits for CTS/DSR, a short
  // while has passed) or wakeFd becomes readable (then false).
  bool WaitWritable(int wakeFd);
  int InputCount();
  // Waits up to us microseconds for input (not for lines or errors); true when bytes wait.
  bool WaitInput(int us);
  int Purge(bool input, bool output);

  int GetLine(SerialLineSettings& line);
  // 0; -2002 for a rate the device refuses; otherwise minus the system's error number.
  int SetLine(const SerialLineSettings& line);
  SerialFlowSettings Flow();
  int SetFlow(const SerialFlowSettings& flow);
  virtual int SetRts(bool on);
  virtual int SetDtr(bool on);

  bool HasModemLines();
  // The CTS, DSR, ring and DCD bits as the lines stand (0 without modem lines).
  int ModemStatus();
  // Line errors seen since the last call, cleared when taken.
  uint32_t TakeErrors();
  // Blocks until input waits (when wantInput), a modem line changes, a line error or a
  // hang-up is seen, or cancelFd becomes readable; returns the event bits (0: cancelled).
  uint32_t WaitEvent(int cancelFd, bool wantInput);
  // Holds or releases the sender by the input handshake lines, as the input queue stands.
  // queued: the bytes the device holds when the caller knows it (a read that took less
  // than it asked for left none); else they are asked for.
  void CheckInputFlow(int queued = -1);
  // False while output must wait for CTS or DSR.
  bool OutputAllowed();
  bool HungUp() const;

protected:
  SerialDevice(int fd, QString path, SerialLockFile lock = {});
  struct Counters {
    int cts = 0, dsr = 0, rng = 0, dcd = 0, frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
  };
  // The device's error and line counters, and its modem lines; false when it has none.
  virtual bool ReadCounters(Counters& counters);
  virtual bool ReadModemBits(int& bits);
  // A descriptor polled beside the device whose readiness means "look at the lines".
  virtual int NotifyFd() const;
  virtual void DrainNotify();
  // Opens path exclusively in raw mode, taking its lock file into lock: the descriptor,
  // or -1 with error set.
  static int OpenExclusive(const QString& path, int& error, SerialLockFile& lock);
  // Call after construction: starts watching modem lines where the device reports them.
  void StartWatching();
  // Compares lines and counters with the last look; returns the event bits of any change.
  uint32_t Sample();
  virtual int SetLineBit(int bit, bool on);

private:
  int ApplyHandshakeLine(bool hold);

  int fd_;
  QString path_;
  SerialLockFile lock_; // released after the descriptor is closed
  std::recursive_mutex mutex_;
  SerialFlowSettings flow_;
  Counters last_;
  bool countersKnown_ = false;
  int hasCounters_ = -1; // -1 not asked yet; a device without counters is not asked again
  int lastModem_ = 0;
  int modemKnown_ = -1; // -1 not asked yet, 0 none, 1 present
  uint32_t pendingErrors_ = 0;
  bool held_ = false;
  std::atomic<bool> hungUp_{false}; // set by the thread that waits for events
  std::unique_ptr<ModemLineWatcher> watcher_;
};
