#include "model/TPollSave.h"

#include "model/EcrErrors.h"
#include "model/tEcrRpt.h"
#include "platform/engine/TSession.h"
#include "platform/sys/ScopeGuard.h"

#include <mutex>

namespace {
const QString kPollId = QStringLiteral("Poll Id");
const QString kAllPolls = QStringLiteral("AllPolls");

// Commits of poll saves never overlap: whatever thread saves waits for the one before.
std::mutex& SaveLock() {
  static std::mutex lock;
  return lock;
}
thread_local bool committing = false;
} // namespace

TPollSave::TPollSave(QString databaseName) : databaseName_(std::move(databaseName)) {}

// Report rows are only ever appended to their twin, so it needs no index: the real
// table's keys are checked when the rows move, where a duplicate fails the whole save.
TTable& TPollSave::ReportRows(const TTableDef& structure) {
  TTableDef plain = structure;
  plain.indexes.clear();
  return stage_.Twin(plain);
}

TTable& TPollSave::Polls() { return stage_.Twin(tEcrRpt::AllPollsDef()); }

void TPollSave::Commit() {
  // A commit runs no events, so a second one can only start here by a mistake.
  if (committing) throw EAssertionFailed(QStringLiteral("A poll save started inside another one's commit"));
  // The table of stored polls is checked (and made when missing) before the first write.
  if (stage_.HasTwin(kAllPolls)) tEcrRpt::OpenAllPolls();
  std::lock_guard<std::mutex> guard(SaveLock());
  committing = true;
  {
    const auto restore = OnScopeFailure([&] {
      committing = false;
      pollCount_ = 0;
      offset_ = 0;
    });
    stage_.MoveInto(TSession::Default().Database(databaseName_), [this](TStagingArea::Mover& mover) {
      pollCount_ = stage_.HasTwin(kAllPolls) ? mover.Append(kAllPolls, kPollId) : 0;
      const QStringList reports = StagedReportTables();
      // A row whose poll is not one of this save's would land on another poll.
      for (const QString& table : reports)
        if (const qint64 stray = mover.CountOutside(table, kPollId, 1, pollCount_); stray > 0)
          throw EPollIdRange(QStringLiteral("%1 rows of %2 name no poll of this save (1 .. %3)")
                                 .arg(stray)
                                 .arg(table)
                                 .arg(pollCount_));
      if (pollCount_ == 0) return;
      offset_ = mover.LastInsertId() - pollCount_;
      for (const QString& table : reports) mover.Append(table, QString(), kPollId, offset_);
    });
  }
  committing = false;
  committed_ = true;
}

qint32 TPollSave::RealPollId(qint32 stagedPollId) const {
  if (!committed_ || stagedPollId < 1 || stagedPollId > pollCount_) return 0;
  return qint32(stagedPollId + offset_);
}

QStringList TPollSave::ReportTables() const {
  if (pollCount_ == 0) return {};
  return StagedReportTables();
}

QStringList TPollSave::StagedReportTables() const {
  QStringList tables = stage_.TwinNames();
  tables.removeAll(kAllPolls);
  return tables;
}
