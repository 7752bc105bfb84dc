#pragma once
// The serial dispatcher of one open port: it owns the device, an input ring of 8192 bytes
// that its dispatch thread fills, an output ring that its writer thread drains, the triggers
// (timers, status conditions, the avail length) and the handlers their notifications go to,
// and the port's trace and dispatch log. Three threads work for it (TComThread, TDispThread,
// TOutThread); every public operation may be called from any other thread, normally the GUI
// thread. Results are 0 (or a count) or a negative code of the library's table.
//
// Locks, outermost first: the input lock, then the output lock, then the port lock. No
// lock is held while a handler runs, so handlers may call every operation.
#include "comm/link/SclEvent.h"
#include "comm/link/SclTriggerMessages.h"
#include "comm/link/TSclByteRing.h"
#include "comm/link/TSclDispatchLog.h"
#include "comm/link/TSclTrace.h"
#include "comm/link/TSclTriggerSet.h"
#include "platform/serialdev/SerialDevice.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

class TSclCustomComPort;
class TSclDispatcherThread;

struct TSclDeviceState {
  SerialLineSettings Line;
  SerialFlowSettings Flow;
};

class TSclBaseDispatcher {
public:
  static constexpr int kInputSize = 8192;

  explicit TSclBaseDispatcher(TSclCustomComPort* owner);
  virtual ~TSclBaseDispatcher();
  TSclBaseDispatcher(const TSclBaseDispatcher&) = delete;
  TSclBaseDispatcher& operator=(const TSclBaseDispatcher&) = delete;

  TSclCustomComPort* Owner() const { return owner_; }
  // The owner is gone: nothing is delivered to it any more.
  void Disown() { owner_ = nullptr; }
  int Handle() const { return handle_; }

  // Life. StartPort opens the device (deviceName may be empty where the device is handed
  // over) and starts the threads; on failure nothing stays open. StopPort discards pending
  // output and input and closes; asked from inside a notification, the dispatch thread
  // finishes the close when that notification has returned.
  int StartPort(const QString& deviceName, int baud, bool rts, bool dtr, int outSize, int inSize,
                int stopBits, int dataBits, int parity);
  int StopPort();
  bool ThreadsActive() const { return threadsActive_; }
  bool InNotification() const { return inNotification_; }
  bool ClosePending() const { return closePending_; }

  // Line. ChangeLine keeps a setting given as baud 0, parity 5, data bits 9 or stop bits 3.
  int ChangeLine(int baud, int parity, int dataBits, int stopBits);
  void LineSettings(int& baud, int& parity, int& dataBits, int& stopBits);
  void FlowSettings(int& hardware, int& software, char& xon, char& xoff);
  int DriveDtr(bool level);
  int DriveRts(bool level);
  int EnableHardwareFlow(int full, int resume, int options);
  int EnableSoftwareFlow(int full, int resume, int options);
  int DisableSoftwareFlow();
  int SetFlowChars(char xon, char xoff);
  int ReadModemStatus(int mask);
  bool CtsState();
  bool DsrState();
  bool DcdState();
  bool RingSeen();
  int TakeLineError();
  bool TakeBreak();

  // Data.
  int QueueBlock(const char* bytes, int n);
  int TakeBlock(char* buffer, int n);
  int InputCount();
  int OutputUsed();
  int OutputFree();
  int ClearOutput();
  int ClearInput();

  // Triggers and handlers.
  int NewTimerTrigger();
  int NewStatusTrigger(int kind);
  int ArmTimerTrigger(int handle, int ticks, bool activate);
  int ArmStatusTrigger(int handle, int value, bool activate);
  int DropTrigger(int handle);
  int AvailLength(int n);
  void AddWindowHandler(TSclWindowHandler* window);
  void RemoveWindowHandler(TSclWindowHandler* window);
  void AddMethodHandler(TSclMethodHandler* method);
  void RemoveMethodHandler(TSclMethodHandler* method);
  // A method handler whose notifications all end up on one thread names an object living
  // there; input may then be read and reported on that thread, without a hand-off per
  // notification. nullptr (as registered) keeps its notifications on the dispatch thread.
  void SetMethodEventsTarget(TSclMethodHandler* method, QObject* target);
  void SaveTriggers(TSclSavedTriggers& saved);
  void RestoreTriggers(const TSclSavedTriggers& saved);
  // 0 recomputes whether anybody wants notifications; 1 and 2 mark the owner's window as
  // wanting them or not.
  void RefreshHandlerNeed(int kind);
  void SetPriorityBoost(int boost);
  void SetRs485(bool on);
  // The option bits; nothing reads them.
  enum : uint32_t { optUseEventWord = 0x04 };
  void SetOptionBit(uint32_t bit, bool on);

  // Trace and dispatch log.
  int StartTrace(int entries);
  void StopTrace();
  void ClearTrace();
  void ResumeTrace();
  void PauseTrace();
  int DumpTrace(const QString& fileName, bool append, bool hex);
  void StartLog(int size);
  void StopLog();
  void ClearLog();
  void ResumeLog();
  void PauseLog();
  void AddLogEntry(int kind, int subKind, uint32_t data, const QByteArray& bytes = QByteArray());
  void AddLogMark(const QString& text);
  int DumpLog(const QString& fileName, bool append, bool hex);
  bool Logging();

protected:
  // The device: opened by name, or taken over. 0, or minus the system's error number.
  virtual int OpenDevice(const QString& name, int inSize, int outSize) = 0;
  // Tells running threads to end; the device itself is closed once they have.
  int CloseDevice();
  virtual void StartThreads();
  virtual void StopThreads();
  // Stops the threads when they run, frees the rings and closes the device. Runs once.
  virtual void ReleasePort();

  // One dispatch cycle's work, as the dispatch thread does it.
  void HandleDeviceEvent(uint32_t mask);
  void ScanCycle();
  // Bytes read.
  int FillInput();
  bool ScanInput();
  bool ScanStatusTriggers();
  bool ScanTimerTriggers();
  bool NotifyHandlers(uint32_t message, uint32_t shortParam, uint32_t lowWord);

  std::unique_ptr<SerialDevice> device_;

private:
  friend class TComThread;
  friend class TDispThread;
  friend class TOutThread;
  friend class TSclDispatcherThread;

  struct WindowRecord {
    TSclWindowHandler* window;
    bool removed;
  };
  struct MethodRecord {
    TSclMethodHandler* method;
    bool removed;
    QObject* eventsTarget = nullptr;
  };

  uint32_t ReadErrors();
  void NoteErrors(uint32_t errors);
  int WriteState();
  void RedriveLines();
  // The line actions of EscapeFunction, numbered as the library has always numbered them.
  enum TEscape : int { escSetRts = 3, escClrRts = 4, escSetDtr = 5, escClrDtr = 6 };
  int EscapeFunction(int code);
  void DrainOutput();
  // One character's time on the line as it is set, in microseconds.
  int CharTimeUs();
  void UpdateModemStatus();
  int CurrentModemStatus();
  void ScanStatusUntilQuiet(bool onListenersThread = false);
  bool MayNotify(bool onListenersThread);
  void HandleInput();
  bool ReadRounds(bool onListenersThread);
  // An object of the one thread on which every notification runs (windows on their own
  // thread, method handlers on the thread they named), when there is such a thread and
  // someone listens; nullptr otherwise.
  QObject* ListenersTarget();
  // The same object, when its thread is not the calling one.
  QObject* ListenersThreadTarget();
  bool MoreInputComing(int justRead);
  bool RoomForMore();
  bool DeliverToWindows(uint32_t message, uint32_t shortParam, uint32_t longParam);
  bool DeliverToMethods(uint32_t message, uint32_t shortParam, uint32_t longParam);
  void EndNotification(uint32_t message, uint32_t shortParam, bool stopped, bool& result);
  void ThreadEnded();
  bool CalledFromNotification() const;
  void WaitThreadEnded(TSclDispatcherThread* thread);
  void WakeEventWaiter() { eventWake_.Set(); }
  // The writer's part: sends what the device takes of n bytes, waiting while it takes
  // nothing; the count sent, or -1 when output abort arrived meanwhile.
  int TransmitRun(const char* bytes, int n);
  int WriteAtOnce(const char* bytes, int n);
  // The writer's side of a purge: it holds no run of the ring, so every purge asked for so
  // far may empty the ring. Takes outputLock_.
  void AcknowledgeClear();

  std::atomic<TSclCustomComPort*> owner_;
  int handle_ = -1;
  std::atomic<bool> deviceOpen_{false};

  std::recursive_mutex portLock_;
  std::recursive_mutex outputLock_;
  std::recursive_mutex inputLock_;

  // Port lock.
  uint32_t pendingErrors_ = 0;
  int inputQueueSize_ = 4096;
  int outputSize_ = 4096;
  int modemStatus_ = 0;
  TSclDeviceState state_;
  int lastBaud_ = 115200;
  uint32_t optionBits_ = 0;
  bool dtrState_ = false;
  bool rtsState_ = false;
  bool rs485_ = false;
  bool portHandlerInstalled_ = false;
  std::atomic<bool> handlersNeeded_{false};
  std::vector<WindowRecord> windows_;
  std::vector<MethodRecord> methods_;
  TSclTriggerSet triggers_;
  bool statusHit_ = false;
  int priorityBoost_ = 0;
  TSclTrace trace_;
  TSclDispatchLog log_;

  // Input lock.
  TSclByteRing input_;
  int newBytes_ = 0; // arrived since the last avail notification
  bool inAvailNotification_ = false;
  int takenCount_ = 0;
  int mostTaken_ = 0;

  // Output lock.
  TSclByteRing output_;
  // Purges asked for and those the writer has let go of its run for; a run taken under an
  // older count is never consumed, since the ring it came from was emptied meanwhile.
  uint64_t clearsAsked_ = 0;
  uint64_t clearsAcknowledged_ = 0;
  uint64_t clearsDone_ = 0; // the ring emptied: the writer may take runs again
  std::condition_variable_any clearAcknowledged_;

  std::atomic<bool> outputQueued_{false};
  std::atomic<bool> queuedSinceDrain_{false}; // bytes were queued after the last drain began
  std::atomic<bool> abortPending_{false}; // output abort signalled and not yet handled
  std::atomic<bool> killThreads_{false};
  std::atomic<bool> closePending_{false};
  std::atomic<bool> inNotification_{false};
  std::atomic<bool> removalsDeferred_{false};
  std::atomic<bool> threadsActive_{false};
  std::atomic<bool> releaseOnExit_{false};
  std::atomic<bool> ringSeen_{false};
  std::atomic<int> runningThreads_{0};
  std::atomic<uint32_t> eventMask_{0};

  SclEvent eventReady_;
  SclEvent dispatchDone_;
  SclEvent threadAck_;
  SclEvent outputReady_;
  SclEvent outputAbort_;
  SclEvent eventWake_; // ends the event thread's device wait (the "event mask 0" of old)

  std::unique_ptr<TSclDispatcherThread> comThread_;
  std::unique_ptr<TSclDispatcherThread> dispThread_;
  std::unique_ptr<TSclDispatcherThread> outThread_;
  std::mutex threadMutex_;
  std::condition_variable threadEnded_;
  std::mutex releaseMutex_;
  bool released_ = false;
};
