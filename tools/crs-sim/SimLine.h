#pragma once
// The simulator's end of the line: one file descriptor served by a poll loop on the thread
// that calls Run(). Bytes read go to the handler as they come; frames queued for sending
// go out in order, paced at 10 bits a character when a baud rate is set (each byte at its
// own deadline, sleeping in between, never spinning); one timer serves the register.
#include <QByteArray>

#include <atomic>
#include <deque>
#include <functional>

class SimLine {
public:
  struct Handler {
    std::function<void(const QByteArray& bytes, qint64 nowUs)> received;
    std::function<void(qint64 nowUs)> timer;
    std::function<void(int id, qint64 firstUs, qint64 lastUs)> written;
    std::function<void(const QString& why)> closed;
  };

  // The descriptor is switched to non-blocking and is not closed here. Times are counted
  // from epochNs (a SteadyNs() value). Throws SimLineError when no wake-up pipe can be made.
  SimLine(int fd, Handler handler, qint64 epochNs);
  ~SimLine();
  SimLine(const SimLine&) = delete;
  SimLine& operator=(const SimLine&) = delete;

  // Serves until Stop() or until the line closes.
  void Run();
  // Any thread.
  void Stop();
  void SetBaud(int baud) { baud_.store(baud); }
  qint64 NowUs() const;
  static qint64 SteadyNs();

  // The line's thread only (the handler's callbacks run there).
  void Queue(int id, const QByteArray& bytes);
  void ArmTimer(int ms);
  void CancelTimer() { timerDueNs_ = -1; }

private:
  struct Pending {
    int id = 0;
    QByteArray bytes;
    qsizetype done = 0;
    qint64 firstNs = -1;
  };
  qint64 NowNs() const;
  qint64 ByteNs() const;
  bool WriteDue(qint64 nowNs);
  qint64 NextWakeNs(qint64 nowNs) const;
  bool ReadAll(qint64 nowNs);

  int fd_;
  int wake_[2] = {-1, -1};
  Handler handler_;
  std::atomic<bool> stop_{false};
  std::atomic<int> baud_{0};
  qint64 startNs_;
  std::deque<Pending> out_;
  qint64 nextByteNs_ = 0;
  bool blocked_ = false; // the last write would have blocked: wait until the line takes more
  qint64 timerDueNs_ = -1;
};
