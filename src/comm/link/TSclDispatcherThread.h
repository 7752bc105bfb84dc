#pragma once
// A thread working for one dispatcher. It counts itself among the dispatcher's running
// threads from its start until its body has ended (exactly once); the last one to end marks
// the dispatcher's threads inactive.
#include <atomic>
#include <thread>

class TSclBaseDispatcher;

class TSclDispatcherThread {
public:
  explicit TSclDispatcherThread(TSclBaseDispatcher& dispatcher);
  virtual ~TSclDispatcherThread();
  TSclDispatcherThread(const TSclDispatcherThread&) = delete;
  TSclDispatcherThread& operator=(const TSclDispatcherThread&) = delete;

  void Start();
  // True until the body has ended (the dispatcher's reference to the thread is "cleared").
  bool Running() const { return running_; }
  bool IsCurrent() const { return thread_.get_id() == std::this_thread::get_id(); }
  std::thread::id Id() const { return thread_.get_id(); }
  // Waits for the thread itself to finish; does nothing on the thread itself.
  void Join();
  void ApplyPriority(int boost);

protected:
  virtual void Body() = 0;
  // Runs on the thread after the body, while the thread still counts as running.
  virtual void AfterBody() {}
  TSclBaseDispatcher& d_;

private:
  void Run();

  std::thread thread_;
  std::atomic<bool> running_{false};
  std::atomic<int> tid_{0};
};

// Waits for device events and hands each to the dispatch thread, one at a time.
class TComThread : public TSclDispatcherThread {
public:
  using TSclDispatcherThread::TSclDispatcherThread;

protected:
  void Body() override;

private:
  void GatherInput();
};

// Reads the device into the input ring, scans the triggers after every event and at least
// every dispatch cycle (50 ms), and delivers the notifications.
class TDispThread : public TSclDispatcherThread {
public:
  using TSclDispatcherThread::TSclDispatcherThread;

protected:
  void Body() override;
  void AfterBody() override;
};

// Writes the output ring to the device in contiguous runs, each byte once.
class TOutThread : public TSclDispatcherThread {
public:
  using TSclDispatcherThread::TSclDispatcherThread;

protected:
  void Body() override;

private:
  void Drain();
};
