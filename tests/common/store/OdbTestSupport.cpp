#include "OdbTestSupport.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Exception.h"
#include "platform/sys/Folders.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectWriter.h"
#include "store/odb/TOdbField.h"
#include "store/odb/TOdbIndex.h"
#include "store/streaming/TMemoryStream.h"

#include <QDir>
#include <QFile>

TB_DEFINE_CLASS(TOdbTestItem, TObject)
TB_DEFINE_CLASS(TCheckingOdbDriver, TEngineOdbDriver)
TB_DEFINE_CLASS(TNoCounterOdbDriver, TEngineOdbDriver)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TOdbTestItem::StaticClass(), {&TOdbTestItem::Read}, {&TOdbTestItem::Write});
  return true;
}();
} // namespace

void TOdbTestItem::Read(TObject& obj, TObjectReader& reader) {
  auto& item = static_cast<TOdbTestItem&>(obj);
  item.id = reader.ReadString();
  item.number = reader.ReadInteger();
  item.text = reader.ReadString();
  item.sequence = reader.ReadInteger();
}

void TOdbTestItem::Write(const TObject& obj, TObjectWriter& writer) {
  const auto& item = static_cast<const TOdbTestItem&>(obj);
  writer.WriteString(item.id);
  writer.WriteInteger(item.number);
  writer.WriteString(item.text);
  writer.WriteInteger(item.sequence);
}

TOdbTestFile::TOdbTestFile(TObjectDatabase& database, Options options)
    : TObjectFile(database, TOdbTestItem::StaticClass(), options.table), options_(std::move(options)) {}

TOdbTestFile::~TOdbTestFile() {
  try {
    Close(); // while the hooks of this class still exist
  } catch (...) {
  }
}

void TOdbTestFile::SetKeyFields(const TObject& obj) {
  const auto& item = static_cast<const TOdbTestItem&>(obj);
  FieldByName(options_.key).SetAsString(item.id);
  if (options_.numberIndex) FieldByName(QStringLiteral("Number")).SetAsInteger(item.number);
}

void TOdbTestFile::DefineFields() {
  AddField(options_.key, TOdbFieldType::String, options_.keySize);
  if (options_.numberIndex) AddField(QStringLiteral("Number"), TOdbFieldType::Integer, 4);
}

void TOdbTestFile::DefineIndexes() {
  AddIndex(options_.key, TOdbIndexOption::Primary | TOdbIndexOption::Unique, {options_.key});
  if (options_.numberIndex) AddIndex(QStringLiteral("ByNumber"), {}, {QStringLiteral("Number")});
}

void TOdbTestFile::DoBeforeInsert() {
  hooks << QStringLiteral("BeforeInsert");
  TObjectFile::DoBeforeInsert();
}

void TOdbTestFile::DoAfterInsert() {
  hooks << QStringLiteral("AfterInsert");
  TObjectFile::DoAfterInsert();
}

void TOdbTestFile::DoWriteStream(TMemoryStream& stream) {
  hooks << QStringLiteral("WriteStream@%1").arg(stream.Position());
  streams << stream.Bytes();
  TObjectFile::DoWriteStream(stream);
}

void TOdbTestFile::DoReadStream(TMemoryStream& stream) {
  hooks << QStringLiteral("ReadStream@%1").arg(stream.Position());
  streams << stream.Bytes();
  TObjectFile::DoReadStream(stream);
}

TOdbCounterFile::TOdbCounterFile(TObjectDatabase& database)
    : TObjectFile(database, TOdbTestItem::StaticClass(), QStringLiteral("Counted")) {}

void TOdbCounterFile::SetKeyFields(const TObject& obj) {
  FieldByName(QStringLiteral("Seq")).SetAsInteger(static_cast<const TOdbTestItem&>(obj).sequence);
}

void TOdbCounterFile::GetKeyFields(TObject& obj) {
  static_cast<TOdbTestItem&>(obj).sequence = FieldByName(QStringLiteral("Seq")).GetAsInteger();
}

void TOdbCounterFile::DefineFields() { AddField(QStringLiteral("Seq"), TOdbFieldType::Counter, 4); }

void TOdbCounterFile::DefineIndexes() {
  AddIndex(QStringLiteral("Seq"), TOdbIndexOption::Primary | TOdbIndexOption::Unique, {QStringLiteral("Seq")});
}

bool TCheckingOdbDriver::FindKey(qint32 handle, const TUnorderedList& keyFields, const TOdbIndex& index) {
  ++findKeyCalls;
  return TEngineOdbDriver::FindKey(handle, keyFields, index);
}

TOdbFieldTypes TNoCounterOdbDriver::SupportedFieldTypes() {
  return {TOdbFieldType::String, TOdbFieldType::Float, TOdbFieldType::Integer};
}

void OdbFixture::SetUp() { ASSERT_TRUE(dir_.isValid()); }

void OdbFixture::TearDown() { TSession::Default().CloseAll(); }

ScopedEngineConfig::ScopedEngineConfig() : commonFolderExisted_(Folders::CommonFolderExists()) {}

ScopedEngineConfig::~ScopedEngineConfig() {
  TSession::Default().CloseAll();
  QFile::remove(EngineConfig::FilePath());
  if (!commonFolderExisted_) QDir(Folders::CommonFolder()).removeRecursively();
}

std::unique_ptr<TObjectDatabase> OdbFixture::OpenDatabase(const TClass& driverClass) {
  auto database = std::make_unique<TObjectDatabase>(driverClass, Folder());
  database->Open();
  return database;
}

std::unique_ptr<TOdbTestFile> OdbFixture::OpenFile(TObjectDatabase& database, TOdbTestFile::Options options) {
  auto file = std::make_unique<TOdbTestFile>(database, std::move(options));
  file->CreateFile();
  file->Open();
  return file;
}

void OdbFixture::InsertItems(TObjectFile& file, const QStringList& ids) {
  for (qsizetype i = 0; i < ids.size(); ++i) {
    const TOdbTestItem item(ids[i], qint32(i), QStringLiteral("item ") + ids[i]);
    file.SetCurrent(&item);
    file.Insert();
  }
}

bool OdbFixture::FindId(TObjectFile& file, const QString& id) {
  const TOdbTestItem key(id, 0, QString());
  file.SetCurrent(&key);
  return file.Find();
}

QStringList OdbFixture::ListIds(TObjectFile& file) {
  QStringList ids;
  for (bool more = file.First(); more; more = file.Next()) ids << Current(file).id;
  return ids;
}

const TOdbTestItem& OdbFixture::Current(TObjectFile& file) { return static_cast<const TOdbTestItem&>(file.GetCurrent()); }

QString MessageOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Exception& e) {
    return e.Message();
  }
  return QString();
}
