#include "model/tEcrRpt.h"

#include "model/BlockPause.h"
#include "model/EcrTableCheck.h"
#include "model/TPollSave.h"
#include "model/TdmAllPolls.h"
#include "model/tEcr.h"
#include "model/tMachine.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/engine/TableBackup.h"
#include "platform/engine/TblScnErrors.h"
#include "platform/sys/Prompter.h"

TB_DEFINE_CLASS(tEcrRpt, tEcrFnct)

namespace {
// The identity of the machine that owns the report's driver.
void FillMachineFields(TTable& polls, const TObject* owner) {
  const auto* machine = dynamic_cast<const tMachine*>(owner);
  if (!machine) return;
  polls.FieldByName(QStringLiteral("Machine Id")).SetAsString(machine->MachineId);
  polls.FieldByName(QStringLiteral("Store Number")).SetAsInteger(machine->StoreNumber);
  polls.FieldByName(QStringLiteral("Machine Number")).SetAsInteger(machine->MachineNumber);
}
} // namespace

tEcrRpt::tEcrRpt(TBlank blank) : tEcrFnct(blank) {}

tEcrRpt::~tEcrRpt() = default;

void tEcrRpt::Create(TObject* owner) {
  tEcrFnct::Create(owner);
  AutoReport = false;
  AutoExport = false;
  AppendExport = false;
  ExportFile.clear();
  SetSQLGroupList();
  SetSQLSumFieldsList();
  SetSQLFieldsList();
}

int tEcrRpt::GetRptCode() const { return 0; }
QString tEcrRpt::GetRptName() const { return QStringLiteral("Undefined"); }
QString tEcrRpt::GetOptsFormClass() const { return QString::fromLatin1(kNoOptionsForm); }
QString tEcrRpt::ReportFormClass() const { return QString(); }
void tEcrRpt::DefineTable(TTable&) {}
const EcrLayout* tEcrRpt::RecordLayout() const { return nullptr; }
int tEcrRpt::LayoutVariant() const { return 0; }
void tEcrRpt::SetSQLGroupList() { SQLGroupList.clear(); }
void tEcrRpt::SetSQLFieldsList() { SQLFieldsList.clear(); }
void tEcrRpt::SetSQLSumFieldsList() { SQLSumFieldsList.clear(); }
std::optional<TTableDef> tEcrRpt::DescribeTable() const { return std::nullopt; }
void tEcrRpt::DecodeBlock(TTable&, const TEcrBlock&) {}
void tEcrRpt::AfterReadBlockFile(QFile&) {}
void tEcrRpt::ExportReport(const QString&) {}

void tEcrRpt::CheckTables(const TDefValues& arguments) {
  QString message;
  try {
    message = EcrTableCheck::Run(arguments, GetTableName() + QStringLiteral(".DB"), DescribeTable());
  } catch (const ETblScnInvalidVersion& e) {
    message = e.Message();
  }
  if (!message.isEmpty()) Prompter::ShowMessage(message, Prompter::Kind::Error);
}

TTable& tEcrRpt::PollsTable() {
  if (joined_) return joined_->Polls();
  OpenAllPolls();
  return dmAllPolls().tblAllPolls;
}

void tEcrRpt::AddPoll() {
  TTable& polls = PollsTable();
  const tEcr* driver = dynamic_cast<const tEcr*>(Owner());
  polls.Append();
  polls.FieldByName(QStringLiteral("EcrRptClass")).SetAsString(ClassName());
  polls.FieldByName(QStringLiteral("Report Name")).SetAsString(GetRptName());
  polls.FieldByName(QStringLiteral("EcrClass")).SetAsString(Owner() ? Owner()->ClassName() : QStringLiteral("NIL"));
  polls.FieldByName(QStringLiteral("Poll Date")).SetAsDateTime(TDateTime::Now());
  if (driver) FillMachineFields(polls, driver->Owner());
  polls.Post();
  PollId = qint32(polls.FieldByName(QStringLiteral("Poll Id")).AsInteger());
}

namespace {
void ReportCorrupted(const QString& table) {
  Prompter::ShowMessage(QStringLiteral("The table ") + table +
                            QStringLiteral(" has been corrupted.  Please report this error to your system administrator."),
                        Prompter::Kind::Error);
}
} // namespace

// The table is read once for its structure, in place of a cursor opened and closed
// again: a cursor reads every record id of the table when it opens, which a save, whose
// cost must not grow with the polls stored, cannot afford.
std::optional<TTableDef> tEcrRpt::PrepareTable() {
  ProcessPendingEvents();
  TDatabase& db = TSession::Default().Database(GetDataBaseName());
  CheckTables({TDefValue::Bool(false), TDefValue::Text(db.Folder())});
  ProcessPendingEvents();
  std::optional<TTableDef> structure;
  try {
    structure = db.ReadTableDef(GetTableName());
  } catch (const Exception&) {
  }
  if (!structure) {
    ReportCorrupted(GetTableName());
    return std::nullopt;
  }
  try {
    TableBackup::CopyToBackup(db, GetTableName());
  } catch (const Exception&) {
    // The backup is a convenience; the open goes on without it.
  }
  return structure;
}

void tEcrRpt::OpenTable(TTable& table) {
  table.Close();
  const bool ready = PrepareTable().has_value();
  table.SetDatabaseName(GetDataBaseName());
  table.SetTableName(GetTableName());
  if (ready) {
    try {
      table.Open();
    } catch (const Exception&) {
      table.Close();
      ReportCorrupted(GetTableName());
    }
  }
  ProcessPendingEvents();
}
