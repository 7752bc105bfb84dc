#include "WorkFileFuzz.h"

#include "PollDataFolder.h"

#include "crs3000/tEcrRptCrs3000.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TimingProfile.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <exception>

namespace {
// Messages of a failed save (a corrupted table, say) are part of the outcome, not shown.
class QuietPrompter final : public Prompter {
public:
  Answer Ask(Kind, const QString&, const QString&, int, Answer defaultAnswer) override { return defaultAnswer; }
};

TDatabase& Data() { return TSession::Default().Database(QString::fromLatin1(EngineConfig::kDataAlias)); }

// The rows of every table of the data folder.
QHash<QString, qint64> RowCounts() {
  QHash<QString, qint64> counts;
  for (const QString& table : Data().TableNames()) {
    TQuery query(Data());
    query.Exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(SqlText::Quote(table)), {});
    counts.insert(table, query.Next() ? query.Value(0).toLongLong() : 0);
  }
  return counts;
}

qint64 Added(const QHash<QString, qint64>& before, const QHash<QString, qint64>& after) {
  qint64 added = 0;
  for (auto it = after.cbegin(); it != after.cend(); ++it) added += it.value() - before.value(it.key());
  return added;
}

// The AllPolls rows past the last Poll Id before the save.
QList<qint32> PollIdsAfter(qint32 last) {
  TQuery query(Data());
  query.Exec(QStringLiteral("SELECT \"Poll Id\" FROM \"AllPolls\" WHERE \"Poll Id\" > ? ORDER BY \"Poll Id\""), {last});
  QList<qint32> ids;
  while (query.Next()) ids << query.Value(0).toInt();
  return ids;
}

qint32 LastPollId() {
  const QList<qint32> ids = PollIdsAfter(-1);
  return ids.isEmpty() ? 0 : ids.last();
}

// A stored poll is whole: its AllPolls rows are consecutive from the report's Poll Id.
QString WholePollViolation(const tEcrRpt& report, qint32 lastBefore) {
  const QList<qint32> ids = PollIdsAfter(lastBefore);
  if (ids.isEmpty()) return report.PollId == 0 ? QString() : QStringLiteral("Poll Id %1 has no AllPolls row").arg(report.PollId);
  if (ids.first() != report.PollId)
    return QStringLiteral("the poll's first AllPolls row is %1, the report says %2").arg(ids.first()).arg(report.PollId);
  for (int i = 1; i < ids.size(); ++i)
    if (ids[i] != ids[i - 1] + 1) return QStringLiteral("the poll's AllPolls rows are not consecutive");
  return QString();
}
} // namespace

WorkFileFuzz::WorkFileFuzz(const QString& folder)
    : workFile_(folder + QStringLiteral("/fuzz.blk")), profile_(std::make_unique<TimingProfile>()),
      prompter_(std::make_unique<QuietPrompter>()) {
  scopedProfile_ = std::make_unique<ScopedTimingProfile>(*profile_);
  scopedPrompter_ = std::make_unique<ScopedPrompter>(*prompter_);
  data_ = std::make_unique<PollDataFolder>(folder + QStringLiteral("/data"));
  machine_ = std::make_unique<tMachine>();
  machine_->MachineId = QStringLiteral("fuzz");
  machine_->StoreNumber = 1;
  machine_->SetEcr(tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0302")), machine_.get()));
  tEcrRpt::OpenAllPolls();
}

WorkFileFuzz::~WorkFileFuzz() {
  machine_.reset();
  data_.reset();
}

QList<const TClass*> WorkFileFuzz::ReportClasses() {
  QList<const TClass*> found;
  for (const TClass* cls : TClass::AllClasses())
    if (cls != &tEcrRptCrs3000::StaticClass() && cls->InheritsFrom(tEcrRptCrs3000::StaticClass()) && !cls->IsAbstract())
      found << cls;
  std::sort(found.begin(), found.end(), [](const TClass* a, const TClass* b) { return a->ClassName() < b->ClassName(); });
  return found;
}

WorkFileFuzz::Outcome WorkFileFuzz::Run(const std::uint8_t* data, std::size_t size) {
  static const QList<const TClass*> classes = ReportClasses();
  Outcome outcome;
  if (size == 0 || classes.isEmpty()) return outcome;
  const TClass& cls = *classes[data[0] % classes.size()];
  outcome.rptClass = cls.ClassName();
  {
    QFile file(workFile_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return outcome;
    file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
  }
  const QHash<QString, qint64> before = RowCounts();
  const qint32 lastBefore = LastPollId();
  try {
    std::unique_ptr<tEcrRpt> report(static_cast<tEcrRpt*>(tEcrFnct::CreateByClass(cls, machine_->Ecr()).release()));
    QFile file(workFile_);
    try {
      report->ReadBlockFile(file);
      outcome.saved = true;
    } catch (const Exception& e) {
      outcome.error = e.Message();
      if (report->PollId != 0) outcome.violation = QStringLiteral("a failed save left Poll Id %1").arg(report->PollId);
    }
    outcome.newRows = Added(before, RowCounts());
    if (!outcome.saved && outcome.newRows != 0)
      outcome.violation = QStringLiteral("a failed save left %1 rows").arg(outcome.newRows);
    if (outcome.saved && outcome.violation.isEmpty()) outcome.violation = WholePollViolation(*report, lastBefore);
  } catch (const std::exception& e) {
    outcome.violation = QStringLiteral("an exception not of the system's classes: ") + QString::fromLocal8Bit(e.what());
  } catch (...) {
    outcome.violation = QStringLiteral("an exception of no class");
  }
  return outcome;
}
