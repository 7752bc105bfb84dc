#include "reports/InvtUpdate.h"

#include "model/EcrForms.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/PumpDelay.h"
#include "platform/sys/TDateTime.h"
#include "reports/EInvtFileValue.h"
#include "reports/EInvtUpdate.h"
#include "reports/EPolUpdtFl.h"
#include "reports/InvtFileName.h"
#include "reports/InvtPluTables.h"
#include "reports/InvtUpdtForms.h"

#include <cmath>

namespace {
QString Data() { return QString::fromLatin1(EngineConfig::kDataAlias); }
QString Text(const char* text) { return QString::fromLatin1(text); }

// The "Opening Tables" window for the span of a scope, when there is one.
class OpeningTables {
public:
  OpeningTables() {
    if (!FormRegistry::Has<OpenTableRequest>()) return;
    OpenTableRequest request;
    FormRegistry::Show(request);
    close_ = std::move(request.close);
    PumpMessage();
  }
  ~OpeningTables() {
    if (close_) close_();
  }
  OpeningTables(const OpeningTables&) = delete;
  OpeningTables& operator=(const OpeningTables&) = delete;

private:
  std::function<void()> close_;
};

struct PollRow {
  QString reportClass;
  InvtPollHeader header;
};

std::optional<PollRow> FindPoll(qint32 pollId) {
  TQuery query(Data());
  query.Exec(QStringLiteral("SELECT \"EcrRptClass\", \"Store Number\", \"Machine Number\", \"Machine Id\", \"Ecr Date\", "
                            "\"Poll Date\", \"Z Counter\" FROM \"AllPolls\" WHERE \"Poll Id\" = ?"),
             {pollId});
  if (!query.Next()) return std::nullopt;
  PollRow row;
  row.reportClass = query.Value(0).toString();
  row.header.storeNumber = query.Value(1).toLongLong();
  row.header.machineNumber = query.Value(2).toLongLong();
  row.header.machineId = query.Value(3).toString();
  row.header.ecrDate = TDateTime(query.Value(4).toDouble()).Date();
  const TDateTime polled(query.Value(5).toDouble());
  row.header.pollDate = polled.Date();
  row.header.pollTime = polled.Time();
  row.header.zCounter = query.Value(6).toLongLong();
  return row;
}

// The poll's sold items in the order of the table's primary index; a quantity of zero
// thousandths is no item.
QList<InvtPollItem> SoldItems(const InvtPluTable& plu, qint32 pollId) {
  TTable table(Data(), QString::fromLatin1(plu.table));
  table.Open();
  table.SetRange({pollId}, {pollId});
  QList<InvtPollItem> items;
  for (; !table.Eof(); table.Next()) {
    const qint64 quantity = std::llround(table.FieldByName(Text(plu.quantity)).AsFloat() * 1000);
    if (quantity == 0) continue;
    items.append({std::llround(table.FieldByName(Text(plu.pluNumber)).AsFloat()), quantity,
                  std::llround(table.FieldByName(Text(plu.amount)).AsFloat() * 100)});
  }
  return items;
}
} // namespace

InvtUpdate::InvtUpdate(PolUpdtFl::DeviceFactory factory) : file_(QString(), std::move(factory)) {}

InvtUpdate::~InvtUpdate() = default;

void InvtUpdate::OpenInvtTables() {
  if (TablesOpen()) return;
  OpeningTables wait;
  tables_.Open();
}

void InvtUpdate::CloseInvtTables() { tables_.Close(); }

InvtUpdate::Result InvtUpdate::UpdateInvtFromPoll(qint32 pollId) {
  try {
    return Write(pollId);
  } catch (const EPolUpdtFl& e) {
    return {Outcome::FileFailed, e.Message()};
  } catch (const Exception& e) {
    return {Outcome::PollFailed, e.Message()};
  }
}

InvtUpdate::Result InvtUpdate::Write(qint32 pollId) {
  if (tables_.UpdatableEmpty()) return {Outcome::PollFailed, Text(kNoMorePolls)};
  const std::optional<PollRow> poll = FindPoll(pollId);
  if (!poll) return {Outcome::PollFailed, Text(kNotFound)};
  const std::optional<InvtPluTable> plu = SelectPluTable(poll->reportClass);
  if (!plu) return {Outcome::PollFailed, Text(kTableError)};
  QList<InvtPollItem> items;
  try {
    items = SoldItems(*plu, pollId);
  } catch (const Exception&) {
    return {Outcome::PollFailed, Text(kTableError)};
  }
  if (tables_.IsUpdated(pollId)) throw EInvtUpdate(QStringLiteral("Poll %1 is already in the inventory file.").arg(pollId));

  const QString fileName = InvtFileName::GetInvtFileName();
  if (fileName == QLatin1String(InvtFileName::kNoFile)) return {Outcome::FileFailed, Text(kFileNotOpened)};
  file_.SetFileName(fileName);
  if (!file_.OpenPolUpdtFl()) return {Outcome::FileFailed, Text(kFileNotOpened)};
  file_.PutPollHeader(poll->header);
  for (const InvtPollItem& item : items) file_.PutPollItem(item);
  try {
    tables_.MarkUpdated(pollId, [this] { file_.ClosePolUpdtFl(); });
  } catch (...) {
    file_.Abandon();
    throw;
  }
  return {};
}

void InvtUpdate::UpdateOne(qint32 pollId) {
  const Result result = UpdateInvtFromPoll(pollId);
  if (result.outcome != Outcome::Written) Prompter::ShowMessage(result.message, Prompter::Kind::Warning);
}

int InvtUpdate::UpdateAll() {
  const QList<qint32> polls = tables_.UpdatablePollIds();
  int written = 0;
  QStringList failures;
  bool stopped = false;
  for (qint32 pollId : polls) {
    const Result result = UpdateInvtFromPoll(pollId);
    if (result.outcome == Outcome::Written) {
      ++written;
      continue;
    }
    failures.append(QStringLiteral("Poll %1: %2").arg(pollId).arg(result.message));
    if (result.outcome == Outcome::FileFailed) {
      stopped = pollId != polls.last();
      break;
    }
  }
  if (!failures.isEmpty()) {
    QString text = QStringLiteral("%1 of %2 polls were written.\n").arg(written).arg(polls.size()) + failures.join(QLatin1Char('\n'));
    if (stopped) text += QStringLiteral("\nThe polls after it were not tried.");
    Prompter::ShowMessage(text, Prompter::Kind::Warning);
  }
  return written;
}
