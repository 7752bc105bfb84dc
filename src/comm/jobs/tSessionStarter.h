#pragma once
// Who runs a job: the job queue hands the next job of a port to the session starter
// installed on it, which starts a polling session for the machine on the job's port.
class tHistoryEvent;
class tMachine;

class tSessionStarter {
public:
  virtual ~tSessionStarter() = default;
  // Starts a session for the job (the starter takes copies of what it keeps). False when
  // no session could be started; the port is then free again.
  virtual bool StartSession(const tMachine& machine, const tHistoryEvent& job) = 0;
};
