// The save of a polled report from its work file, and its undoing.
#include "model/PollAutoExport.h"
#include "model/TBlockFileReader.h"
#include "model/TPollSave.h"
#include "model/ZeroSkip.h"
#include "model/EcrErrors.h"
#include "model/tEcrRpt.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/ScopeGuard.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"

#include <QFile>
#include <QScopedValueRollback>

namespace {
bool NameHas(const QString& className, const char* part) {
  return className.contains(QLatin1String(part), Qt::CaseInsensitive);
}

// Work after a poll is stored (its export, its print) must not undo the save: a failure
// there is shown and the poll stays.
template <class Work> void AfterSaveStep(Work work) {
  try {
    work();
  } catch (const Exception& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
  }
}
} // namespace

bool tEcrRpt::IsFinancialHead() const {
  const QString name = ClassName();
  return NameHas(name, "tEcrRptCrs3000Financial") || NameHas(name, "tEcrRptCrs3000Fncl");
}

bool tEcrRpt::IsFinancialSection() const {
  const QString name = ClassName();
  // The sales-and-labour report begins with the sales section's name but is none.
  const bool sales = NameHas(name, "tEcrRptCrs3000Sales") && !NameHas(name, "tEcrRptCrs3000SalesLabor");
  return sales || NameHas(name, "tEcrRptCrs3000Memo") || NameHas(name, "tEcrRptCrs3000Receipts") ||
         NameHas(name, "tEcrRptCrs3000Rcpts") || NameHas(name, "tEcrRptCrs3000SysBal") ||
         NameHas(name, "tEcrRptCrs3000TblSrvc");
}

void tEcrRpt::ReadBlockFile(QFile& file) {
  if (joined_) return DecodeInto(*joined_, file);
  PollId = 0;
  lastSaved_ = SavedPoll();
  TPollSave save(GetDataBaseName());
  {
    const auto restore = OnScopeFailure([&] { PollId = 0; }); // the staged number belongs to no stored poll
    DecodeInto(save, file);
    save.Commit();
  }
  AfterSaved(save);
}

void tEcrRpt::ReadChained(tEcrRpt& next, QFile& file) {
  if (!joined_) return next.ReadBlockFile(file);
  // The next section takes part in this save while it decodes.
  const QScopedValueRollback join(next.joined_, joined_);
  next.ReadBlockFile(file);
}

void tEcrRpt::DecodeInto(TPollSave& save, QFile& file) {
  // Events run while a poll decodes; they must not start this object's next poll meanwhile.
  if (decoding_) throw EAssertionFailed(ClassName() + QStringLiteral(" is already saving a poll"));
  decoding_ = true;
  const auto done = OnScopeExit([this] { decoding_ = false; });
  TBlockFileReader reader(file);
  const std::optional<TTableDef> structure = PrepareTable();
  if (!structure) throw EDBEngineError(EngineError::TableCorrupt, QStringLiteral("Table: ") + GetTableName());
  TTable& rows = save.ReportRows(*structure);
  // The sections decoded from AfterReadBlockFile join this save.
  const QScopedValueRollback join(joined_, &save);
  PollId = 0;
  ReadBlocks(reader, [&](const TEcrBlock& block) {
    if (BlkLen > 0) DecodeBlock(rows, block);
  });
  // The head of a report in sections is exported section by section.
  if (AutoExport && !IsFinancialHead() && PollId > 0)
    save.AddExport({ClassName(), GetTableName(), PollId, ExportFile});
  AfterReadBlockFile(file);
}

void tEcrRpt::AfterSaved(TPollSave& save) {
  PollId = save.RealPollId(PollId);
  lastSaved_ = {save.ReportTables(), save.FirstPollId(), save.LastPollId()};
  for (const TPollSave::Export& entry : save.Exports())
    AfterSaveStep([&] {
      PollAutoExport::Run(GetDataBaseName(), entry.tableName, save.RealPollId(entry.stagedPollId), entry.file);
    });
  // The sections of a report print with their head, never by themselves.
  if (!AutoReport || IsFinancialSection() || PollId <= 0) return;
  AfterSaveStep([this] {
    ZeroSkip = OpenSettingsFile(QString::fromLatin1(SettingsKeys::Reports::Section))
                   ->ReadBoolean(QString::fromLatin1(SettingsKeys::Reports::ZeroSkip.Key), SettingsKeys::Reports::ZeroSkip.Default);
    Present(true, PollId);
  });
}

void tEcrRpt::DeleteLastPoll() {
  if (lastSaved_.last < lastSaved_.first) return;
  TDatabase& db = TSession::Default().Database(GetDataBaseName());
  const QVariantList range{lastSaved_.first, lastSaved_.last};
  db.RunInTransaction([&] {
    for (const QString& table : QStringList{QStringLiteral("AllPolls")} + lastSaved_.tables)
      TQuery(db).Exec(QStringLiteral("DELETE FROM %1 WHERE \"Poll Id\" BETWEEN ? AND ?").arg(SqlText::Quote(table)), range);
  });
  lastSaved_ = SavedPoll();
  PollId = 0;
}
