#pragma once
// What the job-queue tests share: the model's quiet environment (own data folder, fixed
// clock, scripted prompter), stored machines, jobs queued with a recorded callback, and a
// session starter that records the jobs it is given instead of running them.
#include "model/ModelFixture.h"

#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/jobs/tSessionStarter.h"

#include <QMap>
#include <QStringList>
#include <vector>
#include <memory>

class tActn;

// Records every job it is asked to start; starts nothing.
class RecordingStarter : public tSessionStarter {
public:
  struct Started {
    QString machineId;
    QString pendingId;
    QString port;
    qint32 defRetryCount;
    TDateTime lastTry;
  };
  QList<Started> started;
  bool accept = true;
  bool StartSession(const tMachine& machine, const tHistoryEvent& job) override;
  QStringList Ids() const;
};

class JobsFixture : public ModelFixture {
protected:
  JobsFixture();
  ~JobsFixture() override;

  // A stored machine on the port.
  void AddMachine(const QString& id, const QString& port);
  // A queued job of the machine on the port; its callback codes go to callbacks[id].
  QString Queue(const QString& machineId, const QString& port, qint32 defRetryCount = -1,
                qint32 status = 5, const tActn* action = nullptr);
  // The stored pending job.
  std::unique_ptr<tHistoryEvent> Pending(const QString& id);
  // What "History" holds: id -> status, and every job's machine and pending id.
  std::vector<std::unique_ptr<tHistoryEvent>> HistoryJobs();
  // The session of the port ends: its job leaves for "History" with the status, the port is free.
  void EndSession(const QString& pendingId, qint32 status = 8);

  tHistory& history();
  RecordingStarter starter;
  QMap<QString, QList<int>> callbacks; // by the job's pending id
  QStringList notices;
};
