#pragma once
// What the main window does each time it becomes active: the first time, with the wait
// window showing, it opens the machine file, makes the job queue (with its session
// starter) and fails the jobs left running by the last run; every time it then sends the
// activation notice ("VoderodAzuOpen") to whoever listens. Nothing happens once the
// program is ending.
#include <QString>
#include <functional>

class tSessionStarter;

class TMainActivation {
public:
  static constexpr const char* kNotice = "VoderodAzuOpen";
  static constexpr const char* kWaitText = "Initializing Variables... Please Wait";

  TMainActivation() = default;
  // The job queue outlives the start-up objects: it forgets the starter it was given.
  ~TMainActivation();
  TMainActivation(const TMainActivation&) = delete;
  TMainActivation& operator=(const TMainActivation&) = delete;

  // The job queue's session starter (not owned), set on the queue when it is made.
  void SetSessionStarter(tSessionStarter* starter) { starter_ = starter; }
  // Who hears the activation notice (the local query server's clients); by default no one.
  void SetNoticeSink(std::function<void(const QString&)> sink) { notice_ = std::move(sink); }

  void Activate();
  bool FirstActivationDone() const { return !firstActivation_; }

private:
  void FirstActivation();

  bool firstActivation_ = true;
  tSessionStarter* starter_ = nullptr;
  std::function<void(const QString&)> notice_;
};
