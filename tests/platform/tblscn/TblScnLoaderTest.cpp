#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/StructureCheck.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/engine/TblScnErrors.h"
#include "platform/engine/TblScnLoader.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
TDefValue I(qint64 v) { return TDefValue::Int(v); }
TDefValue T(const char* v) { return TDefValue::Text(QString::fromUtf8(v)); }

TTableDef PeopleDef() {
  TTableDef def{QStringLiteral("People"), {}, {}};
  def.fields = {{QStringLiteral("Id"), TFieldType::AutoInc},
                {QStringLiteral("Name"), TFieldType::Alpha, 20},
                {QStringLiteral("Age"), TFieldType::Short}};
  def.indexes = {{QString(), {QStringLiteral("Id")}, true, true},
                 {QStringLiteral("Name"), {QStringLiteral("Name")}, false, false, true, false}};
  return def;
}

// The communication log's declaration, record by record, with its labels and memo.
void DescribeCommLog(const TDefCall& def) {
  def({I(1), T("CommLog.DB"), T(""), T("DBWINUS0"), I(10), I(1), I(0), I(0), I(0)});
  const QList<std::pair<const char*, std::pair<int, int>>> fields = {
      {"ID", {0x10F, 1}},           {"StartTime", {0x10D, 1}},      {"EndTime", {0x10D, 1}},
      {"Duration", {0x101, 20}},    {"CommType;Comm Type", {0x101, 30}}, {"Result", {0x101, 20}},
      {"StoreNumber;Store Number", {0x10B, 1}}, {"MachineNumber;Machine Number", {0x10B, 1}},
      {"MachineID;Machine ID", {0x101, 30}}, {"LogEntry", {0x106, 1}}};
  for (const auto& [name, type] : fields) def({I(2), T(name), I(type.first), I(0), I(type.second), I(0)});
  def({I(3), T(""), T(""), T(""), T(""), I(1), I(-1), I(0), I(1), I(0), I(2048), I(6)});
}

class TblScnLoading : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(data_.isValid());
    ASSERT_TRUE(empty_.isValid());
  }
  void TearDown() override {
    TSession::Default().CloseAll();
    QFile::remove(EngineConfig::FilePath());
  }

  TDefValues Arguments() const { return {TDefValue::Bool(false), TDefValue::Text(data_.path())}; }
  std::optional<TTableDef> Stored(const QString& table) {
    return TSession::Default().DatabaseForFolder(data_.path()).ReadTableDef(table);
  }

  QTemporaryDir data_;
  QTemporaryDir empty_;
};
} // namespace

TEST_F(TblScnLoading, TheLibraryIsFoundThroughTheConfiguredPathAndCreatesAMissingTable) {
  EngineConfig::SetDLLPath(QStringLiteral(TB_TBLSCN_DIR));
  TTblScnLoader loader;
  EXPECT_TRUE(loader.Load());
  EXPECT_EQ(loader.LibraryPath(), QStringLiteral(TB_TBLSCN_DIR "/libtblscn.so"));
  EXPECT_EQ(loader.Check(Arguments(), QStringLiteral("People.DB"), TblScnRecords::Describer(PeopleDef(), QStringLiteral("People.DB"))),
            QString());
  ASSERT_TRUE(Stored(QStringLiteral("People")));
  EXPECT_TRUE(StructureCheck::Differences(PeopleDef(), *Stored(QStringLiteral("People"))).isEmpty());
  // A second check of the same table finds it fine.
  EXPECT_EQ(loader.Check(Arguments(), QStringLiteral("People.DB"), TblScnRecords::Describer(PeopleDef(), QStringLiteral("People.DB"))),
            QString());
}

TEST_F(TblScnLoading, TheCommunicationLogsOwnRecordsMakeItsTable) {
  TTblScnLoader loader(QStringLiteral(TB_TBLSCN_DIR));
  EXPECT_EQ(loader.Check(Arguments(), QStringLiteral("CommLog.DB"), DescribeCommLog), QString());
  const std::optional<TTableDef> log = Stored(QStringLiteral("CommLog"));
  ASSERT_TRUE(log);
  ASSERT_EQ(log->fields.size(), 10);
  EXPECT_EQ(log->fields[4], (TFieldDef{QStringLiteral("CommType"), TFieldType::Alpha, 30}));
  EXPECT_EQ(log->fields[9].type, TFieldType::Memo);
  ASSERT_NE(log->PrimaryIndex(), nullptr);
  EXPECT_EQ(log->PrimaryIndex()->fields, QStringList{QStringLiteral("ID")});
}

TEST_F(TblScnLoading, AMismatchIsTheLibrarysMessageAndTheRowsStay) {
  TDatabase& db = TSession::Default().DatabaseForFolder(data_.path());
  TTableDef stored = PeopleDef();
  stored.fields[1].size = 10;
  db.CreateTable(stored);
  TTable people;
  people.SetDatabase(&db);
  people.SetTableName(QStringLiteral("People"));
  people.Open();
  people.Append();
  people.Post();
  TTblScnLoader loader(QStringLiteral(TB_TBLSCN_DIR));
  const QString message =
      loader.Check(Arguments(), QStringLiteral("People.DB"), TblScnRecords::Describer(PeopleDef(), QStringLiteral("People.DB")));
  EXPECT_EQ(message, QStringLiteral("Table People does not match its definition: field 2 is \"Name\" Alpha 10, "
                                    "declared \"Name\" Alpha 20"));
  EXPECT_EQ(people.RecordCount(), 1);
}

TEST_F(TblScnLoading, TheMessageIsCutTo255BytesWithoutSplittingACharacter) {
  TDatabase& db = TSession::Default().DatabaseForFolder(data_.path());
  TTableDef stored{QStringLiteral("Wide"), {}, {}};
  TTableDef declared = stored;
  for (int i = 0; i < 40; ++i) {
    stored.fields.append({QStringLiteral("Feld \u00c4\u00d6\u00dc %1").arg(i), TFieldType::Long});
    declared.fields.append({QStringLiteral("Feld \u00c4\u00d6\u00dc %1").arg(i), TFieldType::Number});
  }
  db.CreateTable(stored);
  TTblScnLoader loader(QStringLiteral(TB_TBLSCN_DIR));
  const QString message = loader.Check(Arguments(), QStringLiteral("Wide.DB"), TblScnRecords::Describer(declared, QStringLiteral("Wide.DB")));
  EXPECT_LE(message.toUtf8().size(), 255);
  EXPECT_GT(message.toUtf8().size(), 250);
  EXPECT_FALSE(message.contains(QChar::ReplacementCharacter));
}

TEST_F(TblScnLoading, FaultyCallsGiveAMessageNotACrash) {
  TTblScnLoader loader(QStringLiteral(TB_TBLSCN_DIR));
  const TDescriber people = TblScnRecords::Describer(PeopleDef(), QStringLiteral("People.DB"));
  EXPECT_EQ(loader.Check({TDefValue::Bool(false)}, QStringLiteral("People.DB"), people),
            QStringLiteral("The arguments name no folder"));
  EXPECT_EQ(loader.Check(Arguments(), QStringLiteral("People.DB"), [](const TDefCall&) {}),
            QStringLiteral("No table record was declared"));
  EXPECT_TRUE(loader.Check({TDefValue::Bool(false), TDefValue::Text(data_.path() + QStringLiteral("/none"))},
                           QStringLiteral("People.DB"), people)
                  .startsWith(QStringLiteral("File or directory does not exist.")));
  EXPECT_FALSE(Stored(QStringLiteral("People")));
}

TEST_F(TblScnLoading, ADescribersExceptionArrivesAfterTheCheckEnded) {
  TTblScnLoader loader(QStringLiteral(TB_TBLSCN_DIR));
  auto failing = [](const TDefCall& def) {
    def({I(1), T("People.DB"), T(""), T("DBWINUS0"), I(3), I(0), I(0), I(0), I(0)});
    throw ETblScnError(QStringLiteral("describer failed"));
  };
  EXPECT_THROW(loader.Check(Arguments(), QStringLiteral("People.DB"), failing), ETblScnError);
  EXPECT_FALSE(Stored(QStringLiteral("People")));
  EXPECT_EQ(loader.Check(Arguments(), QStringLiteral("People.DB"), TblScnRecords::Describer(PeopleDef(), QStringLiteral("People.DB"))),
            QString());
}

TEST_F(TblScnLoading, AMissingLibraryIsReportedOnceAndItsChecksAreSkipped) {
  TTblScnLoader loader(empty_.path());
  try {
    loader.Load();
    FAIL() << "loaded";
  } catch (const ETblScnNotFound& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Could not find libtblscn.so"));
  }
  EXPECT_FALSE(loader.Load());
  EXPECT_EQ(loader.Check(Arguments(), QStringLiteral("People.DB"), TblScnRecords::Describer(PeopleDef(), QStringLiteral("People.DB"))),
            QString());
  EXPECT_FALSE(Stored(QStringLiteral("People")));
}

TEST_F(TblScnLoading, AFileThatIsNoLibraryCannotBeLoaded) {
  QFile broken(empty_.path() + QStringLiteral("/libtblscn.so"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("this is not a library");
  broken.close();
  TTblScnLoader loader(empty_.path());
  try {
    loader.Load();
    FAIL() << "loaded";
  } catch (const ETblScnLoadError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Unable to Load ") + empty_.path() + QStringLiteral("/libtblscn.so"));
  }
}

TEST_F(TblScnLoading, ALibraryWithoutDefIsAnInvalidVersion) {
  TTblScnLoader loader(QStringLiteral(TB_TBLSCN_NODEF_DIR));
  ASSERT_TRUE(loader.Load());
  try {
    loader.Check(Arguments(), QStringLiteral("People.DB"), TblScnRecords::Describer(PeopleDef(), QStringLiteral("People.DB")));
    FAIL() << "checked";
  } catch (const ETblScnInvalidVersion& e) {
    EXPECT_EQ(e.Message(), QStringLiteral(TB_TBLSCN_NODEF_DIR "/libtblscn.so Invalid version"));
  }
}

// Without the library in the configured folder, the system's library search finds it by
// its bare name: a child run of this program whose search path holds the library.
TEST_F(TblScnLoading, TheBareNameIsTriedWhenTheConfiguredFolderLacksTheLibrary) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(TB_TBLSCN_DIR));
  env.insert(QStringLiteral("TB_TBLSCN_BARE_NAME"), empty_.path());
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=TblScnBareName.*")});
  ASSERT_TRUE(child.waitForFinished(60000));
  const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

TEST(TblScnBareName, LoadsByTheBareName) {
  const QString folder = qEnvironmentVariable("TB_TBLSCN_BARE_NAME");
  if (folder.isEmpty()) GTEST_SKIP() << "run by TheBareNameIsTriedWhenTheConfiguredFolderLacksTheLibrary";
  TTblScnLoader loader(folder);
  ASSERT_TRUE(loader.Load());
  EXPECT_EQ(loader.LibraryPath(), QStringLiteral("libtblscn.so"));
}
