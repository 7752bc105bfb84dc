#include "model/tEcrPrg.h"

#include "model/EcrErrors.h"
#include "model/EcrForms.h"
#include "model/EcrLayout.h"
#include "model/EcrTableCheck.h"
#include "model/TStagingArea.h"
#include "model/TableOpening.h"
#include "model/tEcrPrgMaint.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/ScopeGuard.h"
#include "store/odb/StorageGlobals.h"

#include <QDir>

TB_DEFINE_ABSTRACT_CLASS(tEcrPrg, tEcrFnct)

tEcrPrg::tEcrPrg(TBlank blank) : tEcrFnct(blank) {}

tEcrPrg::~tEcrPrg() {
  try {
    maint_.reset();
    if (table_) table_->Close();
  } catch (...) {
    // A table that fails to close is freed all the same.
  }
}

void tEcrPrg::SetLastMod(TDateTime value) {
  if (!(lastMod_ == value)) lastMod_ = value;
}

void tEcrPrg::SetLastSvd(TDateTime value) {
  if (!(lastSvd_ == value)) lastSvd_ = value;
}

void tEcrPrg::SetLastSnt(TDateTime value) {
  if (!(lastSnt_ == value)) lastSnt_ = value;
}

void tEcrPrg::SetProgramID(const QString& value) {
  if (programID_ != value) programID_ = value;
}

int tEcrPrg::GetBlkRestSize() const { return 0; }
int tEcrPrg::GetLastBlk() const { return 32767; }
int tEcrPrg::GetFirstBlk() const { return 1; }
int tEcrPrg::GetBlkOffset() const { return 0; }
int tEcrPrg::GetInitRecs() const { return 1; }
QString tEcrPrg::GetPrintFormClass() const { return QString(); }
QString tEcrPrg::GetDetailFormClass() const { return QString(); }
QString tEcrPrg::GetMaintFormClass() const { return QString(); }
int tEcrPrg::GetMaxRecsInBlk() const { return 1; }
QString tEcrPrg::GetOptsFormClass() const { return QString::fromLatin1(kNoOptionsForm); }
QString tEcrPrg::GetProgramID() const { return programID_.isEmpty() ? QStringLiteral("Default") : programID_; }

tEcrPrgCapSet tEcrPrg::GetPrgCapSet() const {
  return {tEcrPrgCaps::EcrPrgSend, tEcrPrgCaps::EcrPrgReceive, tEcrPrgCaps::EcrPrgMaint};
}

int tEcrPrg::GetPrgCode() const { return 0; }
QString tEcrPrg::GetPrgName() const { return QStringLiteral("Undefined"); }
void tEcrPrg::CreateTable() { SetTable(std::make_unique<TTable>()); }
const TClass* tEcrPrg::NextPrgClass() { return nullptr; }

// Without a block builder there is nothing to send: the first call ends the send.
void tEcrPrg::EncodeBlock(TEcrBlock&, int&, int& blockLength, TTable&) { blockLength = 0; }

void tEcrPrg::DecodeBlock(TTable&, const TEcrBlock&) {}
void tEcrPrg::PreFillTable(TTable&) {}
const EcrLayout* tEcrPrg::RecordLayout() const { return nullptr; }
int tEcrPrg::LayoutVariant() const { return 0; }

void tEcrPrg::DefineTable(TTable& table) {
  if (const EcrLayout* layout = RecordLayout()) {
    table.FieldDefs() = layout->FieldDefs();
    table.IndexDefs().clear();
  }
}

std::optional<TTableDef> tEcrPrg::DescribeTable() const {
  if (const EcrLayout* layout = RecordLayout()) return TTableDef{LocalTableName(), layout->FieldDefs(), {}};
  return std::nullopt;
}

void tEcrPrg::EncodeRecord(TTable& table, TEcrBlock& buffer, int, int& position) {
  const EcrLayout* layout = RecordLayout();
  if (!layout) throw EAssertionFailed(QStringLiteral("%1 has no record layout to encode by").arg(ClassName()));
  layout->Encode(*this, layout->ReadRow(table), buffer, position, LayoutVariant());
  position += layout->RecordSize(LayoutVariant());
}

void tEcrPrg::DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) {
  const EcrLayout* layout = RecordLayout();
  if (!layout) return tEcrFnct::DecodeRecord(table, buffer, recordIndex, position);
  layout->DecodeInto(table, *this, buffer, position, LayoutVariant());
  position += layout->RecordSize(LayoutVariant());
}
void tEcrPrg::AfterWriteBlockFile(QFile&) {}
void tEcrPrg::AfterReadBlockFile(QFile&) {}

QString tEcrPrg::GetDataBaseName() const {
  OpenProgDatabase();
  return GetProgDatabaseName();
}

QString tEcrPrg::LocalTableName() const { return GetProgramID() + QLatin1Char('.') + GetTableName(); }

void tEcrPrg::SetTable(std::unique_ptr<TTable> table) { table_ = std::move(table); }

void tEcrPrg::CheckTables(const TDefValues& arguments) {
  const QString message = EcrTableCheck::Run(arguments, LocalTableName() + QStringLiteral(".db"), DescribeTable());
  if (!message.isEmpty()) throw ETableCheck(message);
}

TTable& tEcrPrg::OpenTable() {
  if (table_) {
    table_->SetAfterPost(nullptr);
    table_->SetAfterDelete(nullptr);
    if (!table_->Active()) table_->Open();
    table_->First();
    return *table_;
  }
  const QString database = GetDataBaseName();
  QDir().mkpath(TSession::Default().AliasPath(database));
  TDatabase& db = TSession::Default().Database(database);
  const QString name = LocalTableName();
  const bool existed = db.TableExists(name);
  CheckTables({TDefValue::Bool(false), TDefValue::Text(db.Folder())});
  CreateTable();
  TTable& table = *table_;
  if (!table.Active()) {
    table.SetDatabaseName(database);
    table.SetTableName(name);
  }
  const bool created = OpenOrCreateTable(table, [this](TTable& t) { DefineTable(t); });
  if (created || !existed) FillNewTable(table);
  table.First();
  return table;
}

void tEcrPrg::FillNewTable(TTable& table) {
  TStagingArea stage;
  PreFillTable(stage.Twin(table.Structure()));
  // Events ran while the rows were made: what another program object committed into the
  // table meanwhile stays, and only the rows it lacks are added.
  stage.MoveInto(table.Database(), [&table](TStagingArea::Mover& mover) { mover.AppendMissing(table.TableName()); });
}

void tEcrPrg::CloseTable() {
  if (table_) table_->Close();
}

void tEcrPrg::Maintain() {
  TTable& table = OpenTable();
  maint_ = std::make_unique<tEcrPrgMaint>(*this, table, GetMaintFormClass());
  {
    const auto restore = OnScopeExit([&] { CloseTable(); });
    maint_->ShowForm();
  }
}

bool tEcrPrg::MntPrgOpts() {
  const QString form = GetOptsFormClass();
  if (form == QLatin1String(kNoOptionsForm)) return true;
  PrgOptsRequest request{*this, GetPrgName()};
  return FormRegistry::Show(request, form) == EcrForms::FormOk;
}
