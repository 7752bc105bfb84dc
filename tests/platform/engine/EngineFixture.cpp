#include "EngineFixture.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"

#include <QFile>

void EngineFixture::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  db_ = std::make_unique<TDatabase>(QStringLiteral("TestDb"), dir_.path());
  db_->Open();
}

void EngineFixture::TearDown() {
  db_.reset();
  TSession::Default().CloseAll();
  QFile::remove(EngineConfig::FilePath());
}

std::unique_ptr<TTable> EngineFixture::OpenTable(const QString& name) {
  auto table = std::make_unique<TTable>();
  table->SetDatabase(db_.get());
  table->SetTableName(name);
  table->Open();
  return table;
}

void EngineFixture::CreateFilled(const TTableDef& def, const QList<QVariantList>& rows) {
  db_->CreateTable(def);
  auto table = OpenTable(def.name);
  for (const QVariantList& row : rows) {
    table->Append();
    for (int i = 0; i < row.size(); ++i)
      if (row[i].isValid()) table->Fields(i).SetValue(row[i]);
    table->Post();
  }
}

TTableDef AllPollsDef() {
  TTableDef def;
  def.name = QStringLiteral("AllPolls");
  auto add = [&def](const char* name, TFieldType type, int size = 0) { def.fields.append({QLatin1String(name), type, size}); };
  add("Poll Id", TFieldType::AutoInc);
  add("EcrRptClass", TFieldType::Alpha, 32);
  add("Report Name", TFieldType::Alpha, 24);
  add("EcrClass", TFieldType::Alpha, 24);
  add("Poll Date", TFieldType::DateTime);
  add("Ecr Date", TFieldType::DateTime);
  add("From Date", TFieldType::DateTime);
  add("To Date", TFieldType::DateTime);
  add("Poll Type", TFieldType::Alpha, 16);
  add("Polled Area", TFieldType::Alpha, 16);
  add("Machine Id", TFieldType::Alpha, 24);
  add("Store Number", TFieldType::Long);
  add("Machine Number", TFieldType::Long);
  add("Z Counter", TFieldType::Long);
  add("Data Type", TFieldType::Alpha, 24);
  add("ROM", TFieldType::Long);
  for (const char* misc : {"Misc Info 1", "Misc Info 2", "Misc Info 3", "Misc Info 4", "Misc Info 5"}) add(misc, TFieldType::Long);
  for (const char* misc : {"Misc Data 1", "Misc Data 2", "Misc Data 3"}) add(misc, TFieldType::Alpha, 32);
  def.indexes = {
      {QString(), {QStringLiteral("Poll Id"), QStringLiteral("EcrRptClass")}, true, true, false, false},
      {QStringLiteral("Report Name"), {QStringLiteral("Report Name")}, false, false, true, false},
      {QStringLiteral("Poll Date"), {QStringLiteral("Poll Date")}},
      {QStringLiteral("Ecr Date"), {QStringLiteral("Ecr Date")}},
      {QStringLiteral("Machine Id"), {QStringLiteral("Machine Id"), QStringLiteral("Poll Date")}, false, false, true, false},
  };
  return def;
}

TTableDef PeopleDef() {
  TTableDef def;
  def.name = QStringLiteral("People");
  def.fields = {{QStringLiteral("Id"), TFieldType::AutoInc},
                {QStringLiteral("Name"), TFieldType::Alpha, 20},
                {QStringLiteral("City"), TFieldType::Alpha, 20},
                {QStringLiteral("Age"), TFieldType::Short}};
  def.indexes = {{QString(), {QStringLiteral("Id")}, true, true},
                 {QStringLiteral("Name"), {QStringLiteral("Name")}, false, false, true, false},
                 {QStringLiteral("AgeDesc"), {QStringLiteral("Age")}, false, false, false, true}};
  return def;
}

int EngineErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const EDBEngineError& e) {
    return e.ErrorCode();
  }
  return 0;
}
