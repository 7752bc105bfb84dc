#include "JobsFixture.h"

#include "comm/jobs/tHisEvFile.h"
#include "model/MachineList.h"
#include "model/tMachine.h"

bool RecordingStarter::StartSession(const tMachine& machine, const tHistoryEvent& job) {
  started.append({machine.MachineId, job.PendingId, job.Mode, job.DefRetryCount, job.LastTry});
  return accept;
}

QStringList RecordingStarter::Ids() const {
  QStringList ids;
  for (const Started& s : started) ids << s.pendingId;
  return ids;
}

JobsFixture::JobsFixture() {
  FreeTheHistory();
  CloseMachineFile();
}

JobsFixture::~JobsFixture() {
  FreeTheHistory();
  CloseMachineFile();
}

tHistory& JobsFixture::history() {
  tHistory& h = TheHistory();
  h.SetSessionStarter(&starter);
  h.SetNoticeSink([this](const QString& text) { notices << text; });
  return h;
}

void JobsFixture::AddMachine(const QString& id, const QString& port) {
  tMachine machine;
  machine.MachineId = id;
  machine.CommPort = port;
  ::AddMachine(machine);
}

QString JobsFixture::Queue(const QString& machineId, const QString& port, qint32 defRetryCount, qint32 status,
                           const tActn* action) {
  tHistory& h = history();
  auto codes = std::make_shared<QString>();
  tHistoryEvent job([this, codes](int code) { callbacks[*codes].append(code); }, action, port, machineId,
                    QStringLiteral("Prompted"), QStringLiteral("User"), false);
  *codes = job.EventId;
  job.DefRetryCount = defRetryCount;
  job.Status = status;
  h.QueueEvent(job);
  return job.EventId;
}

std::unique_ptr<tHistoryEvent> JobsFixture::Pending(const QString& id) { return history().LoadPendingEvent(id); }

std::vector<std::unique_ptr<tHistoryEvent>> JobsFixture::HistoryJobs() {
  std::vector<std::unique_ptr<tHistoryEvent>> jobs;
  tHistoryFile& file = history().HistoryFile();
  file.SetIndexName(QStringLiteral("HisEvId"));
  for (bool more = file.First(); more; more = file.Next())
    jobs.push_back(CopyEvent(static_cast<const tHistoryEvent&>(file.GetCurrent())));
  return jobs;
}

void JobsFixture::EndSession(const QString& pendingId, qint32 status) {
  tHistory& h = history();
  std::unique_ptr<tHistoryEvent> job = h.LoadPendingEvent(pendingId);
  ASSERT_TRUE(job);
  job->Status = status;
  job->Mode = QStringLiteral("History");
  h.StoreEvent(*job);
  h.SetPortBusy(job->ComPort, false);
}
