#include "comm/jobs/tHistory.h"

#include "comm/jobs/HisStatus.h"
#include "comm/jobs/JobIds.h"
#include "comm/jobs/tHisEvFile.h"
#include "comm/jobs/tHistoryEvent.h"
#include "platform/sys/Exception.h"
#include "platform/sys/PumpDelay.h"
#include "store/odb/OwnedObjectFile.h"
#include "store/odb/OdbErrors.h"
#include "store/odb/StorageGlobals.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>

namespace {
std::unique_ptr<tHistory>& Instance() {
  static std::unique_ptr<tHistory> history;
  return history;
}

void FreeAtExit() { FreeTheHistory(); }

qint32 ReadSetting(TUtRegIni& ini, const SettingsKeys::IntegerKey& key) {
  return ini.ReadInteger(QString::fromLatin1(key.Key), key.Default);
}

// The job just read, taken from the file: nothing else reads the file's current object
// after a lookup, and a fresh read has none of the fields a copy would carry over.
std::unique_ptr<tHistoryEvent> TakeEvent(tHisEvFile& file) {
  std::unique_ptr<TObject> object = file.TakeCurrent();
  return std::unique_ptr<tHistoryEvent>(static_cast<tHistoryEvent*>(object.release()));
}

template <class File>
std::unique_ptr<File> OpenJobFile() {
  // Open reads the first record: one that cannot be read is met again by its lookup.
  std::unique_ptr<File> file = OpenOwnedObjectFile<File>(TMissingTableRule::AnyEngineError, TFirstRecordRule::MayBeUnread);
  if (!file) OdbError<EOdbDatabaseNotOpened>();
  return file;
}
} // namespace

// Serialises access to "Pending" and the id list. Nothing lets events run while it is
// held, except a nested wait of another unit (a machine lookup); an operation that comes
// in through such a wait waits here, letting events run, until the flag is clear.
class tHistory::PendingLock {
public:
  explicit PendingLock(tHistory& history) : busy_(history.pendingBusy_) {
    while (busy_) {
      QThread::msleep(QRandomGenerator::global()->bounded(10));
      PumpMessage();
    }
    busy_ = true;
  }
  ~PendingLock() { busy_ = false; }
  PendingLock(const PendingLock&) = delete;
  PendingLock& operator=(const PendingLock&) = delete;

private:
  bool& busy_;
};

tHistory& TheHistory() {
  std::unique_ptr<tHistory>& history = Instance();
  if (!history) {
    history = std::make_unique<tHistory>();
    OwnedObjectFile::CloseAtExit(&FreeAtExit);
  }
  return *history;
}

bool HistoryExists() { return Instance() != nullptr; }

void FreeTheHistory() {
  std::unique_ptr<tHistory> history = std::move(Instance());
  history.reset();
  if (ObjectDatabase()) CloseObjectDatabase();
}

tHistory::tHistory() {
  const std::unique_ptr<TUtRegIni> ini = OpenSettingsFile(QString::fromLatin1(SettingsKeys::History::Section));
  initRetry_ = ReadSetting(*ini, SettingsKeys::History::InitRetry);
  defRetry_ = ReadSetting(*ini, SettingsKeys::History::DefRetry);
  waitTime_ = ReadSetting(*ini, SettingsKeys::History::WaitTime);
  LoadPendingIds();
}

tHistory::~tHistory() {
  CloseOwnedObjectFile(pendingFile_);
  CloseOwnedObjectFile(historyFile_);
}

tPendingFile& tHistory::PendingFile() {
  if (!pendingFile_) pendingFile_ = OpenJobFile<tPendingFile>();
  return *pendingFile_;
}

tHistoryFile& tHistory::HistoryFile() {
  if (!historyFile_) historyFile_ = OpenJobFile<tHistoryFile>();
  return *historyFile_;
}

// Every record, in key order. The ids come straight from the key column, so that a record
// that cannot be read is met (and deleted) by its lookup, and the others still load.
void tHistory::LoadPendingIds() {
  PendingFile();
  QStringList ids;
  {
    TQuery query(TSession::Default().Database(GetDataAlias()));
    query.Exec(QStringLiteral("SELECT \"HisEvId\" FROM \"Pending\" ORDER BY %1")
                   .arg(tHisEvFile::NumericOrder(false)),
               {});
    while (query.Next()) ids << query.Value(0).toString();
  }
  for (const QString& id : ids) {
    auto options = std::make_unique<tEventOptions>();
    pending_.Append(id, std::move(options));
    PumpMessage();
    if (std::unique_ptr<tHistoryEvent> job = LoadPendingEvent(id)) pending_.Summarise(id, *job);
  }
}

QStringList tHistory::GetPendingList() const { return pending_.Ids(); }

qint32 tHistory::SecondsToDeferredRetry(const tHistoryEvent& job) const {
  if (job.LastTry.IsZero()) return 0;
  const qint64 elapsed = job.LastTry.ToQDateTime().secsTo(TDateTime::Now().ToQDateTime());
  return elapsed < waitTime_ ? qint32(waitTime_ - qMax<qint64>(elapsed, 0)) : 0;
}

QString tHistory::StatusText(qint32 code) { return HisStatus::StatusText(code); }

QString tHistory::NewPendingId() const { return NextId(pending_.LastId(), 1); }

void tHistory::ApplyOptions(tHistoryEvent& job, const QString& id) const {
  job.PendingId = id;
  const tEventOptions* options = pending_.Find(id);
  if (!options) return;
  job.EventCallBack = options->EventCallBack;
  job.LastTry = options->LastTry;
  SetActionOptions(job.GetActn(), options->Options);
}

void tHistory::Notice(const QString& text) const {
  if (notice_)
    notice_(text);
  else
    qWarning("%s", qUtf8Printable(text));
}

void tHistory::QueueEvent(tHistoryEvent& job) {
  PendingLock lock(*this);
  auto options = std::make_unique<tEventOptions>();
  options->EventCallBack = job.EventCallBack;
  options->Options = ActionOptions(job.GetActn());
  options->LastTry = job.LastTry;
  options->Summarise(job);
  tPendingFile& file = PendingFile();
  file.SetCurrent(&job);
  file.Insert();
  file.SetCurrent(nullptr);
  job.PendingId = job.EventId;
  pending_.Append(job.EventId, std::move(options));
}

void tHistory::StoreEvent(tHistoryEvent& job) {
  if (!HisStatus::IsPendingStatus(job.Status)) {
    MoveToHistory(job);
    return;
  }
  // A job already in "History" has an id of the other sequence: it is not in "Pending".
  if (job.InHistory) return;
  PendingLock lock(*this);
  tPendingFile& file = PendingFile();
  if (!file.LocateId(job.EventId)) return;
  file.SetCurrent(&job);
  file.Update();
  if (tEventOptions* options = pending_.Find(job.EventId)) options->LastTry = job.LastTry;
  pending_.Summarise(job.EventId, job);
}

void tHistory::RemovePending(const tHistoryEvent& job) {
  PendingLock lock(*this);
  pending_.Remove(job.EventId);
  tPendingFile& file = PendingFile();
  if (file.LocateId(job.EventId)) file.Remove();
}

void tHistory::MoveToHistory(tHistoryEvent& job) {
  tHistoryFile& file = HistoryFile();
  if (job.InHistory) {
    // Stored again after it moved: its record is rewritten, and no pending job is touched.
    if (file.LocateId(job.EventId)) {
      file.SetCurrent(&job);
      file.Update();
    }
    return;
  }
  RemovePending(job);
  if (job.PendingId.isEmpty()) job.PendingId = job.EventId;
  job.EventId = NextId(file.LastId(), 0);
  file.SetCurrent(&job);
  file.Insert();
  file.SetCurrent(nullptr);
  job.InHistory = true;
}

void tHistory::Requeue(tHistoryEvent& job) {
  const QString historyId = job.EventId;
  job.EventId = NextId(PendingFile().LastId(), 0);
  job.InHistory = false;
  QueueEvent(job);
  DeleteHistoryEvent(historyId);
}

void tHistory::DeleteHistoryEvent(const QString& id) {
  tHistoryFile& file = HistoryFile();
  if (file.LocateId(id)) file.Remove();
}

std::unique_ptr<tHistoryEvent> tHistory::LoadPendingEvent(const QString& id) {
  std::unique_ptr<tHistoryEvent> job;
  {
    PendingLock lock(*this);
    tPendingFile& file = PendingFile();
    try {
      if (!file.FindId(id)) return nullptr;
      job = TakeEvent(file);
    } catch (const Exception&) {
      // Unreadable: the record goes, and its id with it.
      DeleteUnreadable(id);
      pending_.Remove(id);
      return nullptr;
    }
  }
  ApplyOptions(*job, id);
  return job;
}

std::unique_ptr<tHistoryEvent> tHistory::LoadHistoryEvent(const QString& id) {
  tHistoryFile& file = HistoryFile();
  try {
    if (!file.FindId(id)) return nullptr;
    std::unique_ptr<tHistoryEvent> job = TakeEvent(file);
    job->InHistory = true;
    return job;
  } catch (const Exception&) {
    qWarning("Job %s of the history could not be read", qUtf8Printable(id));
    return nullptr;
  }
}

QStringList tHistory::HistoryIds() {
  HistoryFile();
  QStringList ids;
  TQuery query(TSession::Default().Database(GetDataAlias()));
  query.Exec(QStringLiteral("SELECT \"HisEvId\" FROM \"History\" ORDER BY %1").arg(tHisEvFile::NumericOrder(false)),
             {});
  while (query.Next()) ids << query.Value(0).toString();
  return ids;
}

// By its key, past the object file, which cannot position on a record it cannot read.
void tHistory::DeleteUnreadable(const QString& id) {
  try {
    TQuery(TSession::Default().Database(GetDataAlias()))
        .Exec(QStringLiteral("DELETE FROM \"Pending\" WHERE \"HisEvId\" = ?"), {id});
  } catch (const Exception&) {
    qWarning("Job %s could not be read or deleted", qUtf8Printable(id));
  }
}

void tHistory::EndJob(tHistoryEvent& job, qint32 status) {
  job.Status = status;
  job.Mode = QStringLiteral("History");
  StoreEvent(job);
  job.CallBack(JobCallback::Failure);
}
