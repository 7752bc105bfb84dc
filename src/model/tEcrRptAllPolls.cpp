// The table of stored polls, AllPolls: its structure, its check and its opening.
#include "model/BlockPause.h"
#include "model/EcrTableCheck.h"
#include "model/TableOpening.h"
#include "model/TdmAllPolls.h"
#include "model/tEcrRpt.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"

namespace {
const QString kAllPolls = QStringLiteral("AllPolls");
} // namespace

TTableDef tEcrRpt::AllPollsDef() {
  TTableDef def;
  def.name = kAllPolls;
  auto add = [&def](const char* name, TFieldType type, int size = 0) {
    def.fields.append({QString::fromLatin1(name), type, size});
  };
  add("Poll Id", TFieldType::AutoInc);
  add("EcrRptClass", TFieldType::Alpha, 32);
  add("Report Name", TFieldType::Alpha, 24);
  add("EcrClass", TFieldType::Alpha, 24);
  for (const char* date : {"Poll Date", "Ecr Date", "From Date", "To Date"}) add(date, TFieldType::DateTime);
  add("Poll Type", TFieldType::Alpha, 16);
  add("Polled Area", TFieldType::Alpha, 16);
  add("Machine Id", TFieldType::Alpha, 24);
  for (const char* number : {"Store Number", "Machine Number", "Z Counter"}) add(number, TFieldType::Long);
  add("Data Type", TFieldType::Alpha, 24);
  add("ROM", TFieldType::Long);
  for (const char* info : {"Misc Info 1", "Misc Info 2", "Misc Info 3", "Misc Info 4", "Misc Info 5"})
    add(info, TFieldType::Long);
  for (const char* data : {"Misc Data 1", "Misc Data 2", "Misc Data 3"}) add(data, TFieldType::Alpha, 32);
  // A register's 24 status bytes as 24 characters, zeros and all: a poll whose range
  // starts past the first register has zeros in front of its status bits.
  def.fields[def.FieldIndex(QStringLiteral("Misc Data 1"))].keepsEveryByte = true;

  TIndexDef primary{QString(), {QStringLiteral("Poll Id"), QStringLiteral("EcrRptClass")}};
  primary.primary = primary.unique = true;
  TIndexDef reportName{QStringLiteral("Report Name"), {QStringLiteral("Report Name")}};
  reportName.caseInsensitive = true;
  TIndexDef machineId{QStringLiteral("Machine Id"), {QStringLiteral("Machine Id"), QStringLiteral("Poll Date")}};
  machineId.caseInsensitive = true;
  def.indexes = {primary, reportName, {QStringLiteral("Poll Date"), {QStringLiteral("Poll Date")}},
                 {QStringLiteral("Ecr Date"), {QStringLiteral("Ecr Date")}}, machineId};
  return def;
}

void tEcrRpt::DefineAllPolls(TTable& table) {
  const TTableDef def = AllPollsDef();
  table.FieldDefs() = def.fields;
  table.IndexDefs() = def.indexes;
}

namespace {
// The inventory export adds its own index to AllPolls; a table that has it is declared
// with it, so that the check does not take the addition for damage.
TTableDef DeclaredAllPolls() {
  TTableDef def = tEcrRpt::AllPollsDef();
  const std::optional<TTableDef> stored =
      TSession::Default().Database(QString::fromLatin1(EngineConfig::kDataAlias)).ReadTableDef(kAllPolls);
  if (stored && stored->FindIndex(QStringLiteral("InventoryUpdate"))) {
    TIndexDef inventory{QStringLiteral("InventoryUpdate"),
                        {QStringLiteral("Report Name"), QStringLiteral("Poll Type"), QStringLiteral("Polled Area")}};
    inventory.caseInsensitive = true;
    def.indexes.append(inventory);
  }
  return def;
}
} // namespace

void tEcrRpt::CheckAllPolls(const TDefValues& arguments) {
  const QString message = EcrTableCheck::Run(arguments, kAllPolls + QStringLiteral(".DB"), DeclaredAllPolls());
  if (!message.isEmpty()) throw ETableCheck(message);
}

void tEcrRpt::OpenAllPolls() {
  TTable& table = TdmAllPolls::Create().tblAllPolls;
  if (table.Active()) return;
  ProcessPendingEvents();
  const QString database = QString::fromLatin1(EngineConfig::kDataAlias);
  CheckAllPolls({TDefValue::Bool(false), TDefValue::Text(TSession::Default().Database(database).Folder())});
  table.SetDatabaseName(database);
  table.SetTableName(kAllPolls);
  // Declared before opening, so that a file made before fields kept their flag still
  // keeps the status bytes.
  DefineAllPolls(table);
  OpenOrCreateTable(table, [](TTable& t) { DefineAllPolls(t); });
  ProcessPendingEvents();
}
