// Table text export and import, and the poll export layouts.
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/Prompter.h"
#include "store/streaming/FileErrors.h"
#include "store/text/TKDBBackup.h"

#include "OdbTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
const QString kAlias = QStringLiteral("TEXT_BACKUP_TEST");

QByteArray AllBytes() {
  QByteArray bytes;
  for (int b = 0; b < 256; ++b) bytes += char(b);
  return bytes;
}

class TKDBBackupTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    EngineConfig::SetAlias(kAlias, dir_.path());
    backup_.SetDatabaseName(kAlias);
  }

  TDatabase& Db() { return TSession::Default().Database(kAlias); }

  void Create(const TTableDef& def, const QList<QVariantList>& rows) {
    Db().CreateTable(def);
    Append(def.name, rows);
  }

  void Append(const QString& table, const QList<QVariantList>& rows) {
    TTable cursor(kAlias, table);
    cursor.Open();
    for (const QVariantList& row : rows) {
      cursor.Append();
      for (int i = 0; i < row.size(); ++i)
        if (row[i].isValid()) cursor.Fields(i).SetValue(row[i]);
      cursor.Post();
    }
  }

  // Every row's values, in key order.
  QList<QVariantList> Rows(const QString& table) {
    TTable cursor(kAlias, table);
    cursor.Open();
    QList<QVariantList> rows;
    for (cursor.First(); !cursor.Eof(); cursor.Next()) {
      QVariantList row;
      for (int i = 0; i < cursor.FieldCount(); ++i) row << cursor.Fields(i).Value();
      rows << row;
    }
    return rows;
  }

  QString WorkFile(const QString& name) const { return QDir(backup_.WorkDir()).filePath(name); }

  // Writes a file into the work folder, which is made when missing.
  void WriteWorkFile(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(backup_.WorkDir());
    TestSupport::WriteFile(WorkFile(name), bytes);
  }

  ScopedEngineConfig config_;
  QTemporaryDir dir_;
  TKDBBackup backup_;
  ScriptedPrompter prompter_;
  ScopedPrompter scoped_{prompter_};
};

// A program table with a field of every kind the text form carries.
TTableDef ItemsDef() {
  TTableDef def;
  def.name = QStringLiteral("Items");
  def.fields = {{QStringLiteral("Number"), TFieldType::Long},     {QStringLiteral("Desc"), TFieldType::Alpha, 40},
                {QStringLiteral("Price"), TFieldType::Money},     {QStringLiteral("Qty"), TFieldType::Short},
                {QStringLiteral("Rate"), TFieldType::Number},     {QStringLiteral("Active"), TFieldType::Logical},
                {QStringLiteral("Day"), TFieldType::Date},        {QStringLiteral("Stamp"), TFieldType::DateTime},
                {QStringLiteral("At"), TFieldType::Time},         {QStringLiteral("Notes"), TFieldType::Memo},
                {QStringLiteral("Pic"), TFieldType::Blob},        {QStringLiteral("Code"), TFieldType::Bytes, 4}};
  def.indexes = {{QString(), {QStringLiteral("Number")}, true, true}};
  return def;
}

QList<QVariantList> ItemRows() {
  const QDateTime stamp(QDate(2026, 12, 8), QTime(23, 5, 12));
  return {
      {1, QStringLiteral("Cola, large"), 12.5, 3, 0.125, true, QDate(2026, 1, 31), stamp, QTime(13, 45, 0),
       QStringLiteral("first line\r\nsecond, \"quoted\" line"), AllBytes(), QByteArray("\x00,\r\n", 4)},
      {2, QStringLiteral("\"Big\" Mac"), -0.01, -7, -1e-7, false, QVariant(), QVariant(), QVariant(), QVariant(),
       QVariant(), QVariant()},
      {3, QStringLiteral("Caf\u00e9 cr\u00e8me \u20ac \u00df"), 1234567.89, 32767, 3.0, QVariant(), QDate(1899, 12, 30),
       QDateTime(QDate(1999, 1, 1), QTime(0, 0)), QTime(0, 0, 1), QStringLiteral("\u00e9\u00e8"), QByteArray("\n"),
       QByteArray("ab")},
      {4, QStringLiteral("line\nbreak\rand,comma"), 0.0, 0, 0.0, true, QVariant(), QVariant(), QVariant(),
       QVariant(), QByteArray(), QVariant()},
      {5, QStringLiteral(""), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
       QStringLiteral("\r\n"), QVariant(), QVariant()},
      {6, QString(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
       QVariant(), QVariant()},
  };
}

// A number and one blob field, without an index.
TTableDef PicsDef() {
  TTableDef def;
  def.name = QStringLiteral("Pics");
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Pic"), TFieldType::Blob}};
  return def;
}

TTableDef PluDef() {
  TTableDef def;
  def.name = QStringLiteral("PLU");
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long}, {QStringLiteral("Number"), TFieldType::Long},
                {QStringLiteral("Desc"), TFieldType::Alpha, 24},  {QStringLiteral("Amount"), TFieldType::Money},
                {QStringLiteral("Count"), TFieldType::Number},    {QStringLiteral("Promo"), TFieldType::Money},
                {QStringLiteral("Waste"), TFieldType::Money},     {QStringLiteral("Day"), TFieldType::Date},
                {QStringLiteral("Notes"), TFieldType::Memo},      {QStringLiteral("Pic"), TFieldType::Blob}};
  def.indexes = {{QString(), {QStringLiteral("Poll Id"), QStringLiteral("Number")}, true, true}};
  return def;
}

QList<QVariantList> PluRows() {
  return {
      {7, 101, QStringLiteral("Cola, large"), 12.5, 3, 0, 0.25, QDate(2026, 12, 8), QStringLiteral("line1\r\nline2"),
       QByteArray("\x00\x01\xff,\r\n", 6)},
      {8, 101, QStringLiteral("Cola, large"), 7, 1, 0, 0, QDate(2026, 12, 9), QStringLiteral("x"), QByteArray("PNG")},
      {7, 102, QStringLiteral("Caf\u00e9 \"Cr\u00e8me\""), 1234.56, 1.5, 2, 0, QDate(2026, 1, 31), QVariant(), QVariant()},
      {7, 5, QStringLiteral("Bread"), -3, 0, 0, 0, QVariant(), QStringLiteral(""), QByteArray()},
  };
}

TPollExportValues Poll7() {
  TPollExportValues poll;
  poll.storeNumber = 12;
  poll.machineNumber = 3;
  poll.ecrDate = TDateTime::FromQDateTime(QDateTime(QDate(2026, 12, 8), QTime(14, 30)));
  poll.zCounter = 456;
  poll.reportName = QStringLiteral("PLU");
  poll.pollType = QStringLiteral("Z1");
  poll.polledArea = QStringLiteral("F\u00f6od, Dept");
  return poll;
}

using PollExport = void (TKDBBackup::*)(const QString&, qint32, const TPollExportValues&, const QString&);
const struct {
  const char* name;
  PollExport call;
  bool blobs;
} kPollExports[] = {
    {"ExportPollRows", &TKDBBackup::ExportPollRows, true},
    {"ExportPollByLocation", &TKDBBackup::ExportPollByLocation, true},
    {"ExportPollByReportType", &TKDBBackup::ExportPollByReportType, true},
    {"ExportPollByArea", &TKDBBackup::ExportPollByArea, true},
    {"ExportPollFoodTrak", &TKDBBackup::ExportPollFoodTrak, true},
    {"ExportPollFoodTrakItems", &TKDBBackup::ExportPollFoodTrakItems, false},
};
} // namespace

TEST_F(TKDBBackupTest, TheWorkFolderIsTheAliasFoldersTextBackup) {
  EXPECT_EQ(backup_.DatabaseName(), kAlias);
  EXPECT_EQ(backup_.WorkDir(), QDir(dir_.path()).filePath(QStringLiteral("TextBkup")));
  EXPECT_TRUE(backup_.EmptyTables());
  TKDBBackup other;
  EXPECT_THROW(other.SetDatabaseName(QStringLiteral("NO_SUCH_ALIAS")), EDBEngineError);
}

TEST_F(TKDBBackupTest, ExportThenImportGivesBackIdenticalRows) {
  Create(ItemsDef(), ItemRows());
  const QList<QVariantList> before = Rows(QStringLiteral("Items"));
  backup_.ExportTable(QStringLiteral("Items"), QStringLiteral("items"));
  ASSERT_TRUE(QFileInfo::exists(WorkFile(QStringLiteral("items.txt"))));
  ASSERT_TRUE(QFileInfo::exists(WorkFile(QStringLiteral("items.mem"))));

  Append(QStringLiteral("Items"), {{9, QStringLiteral("to be replaced")}});
  const TTableImportResult result = backup_.ImportTable(QStringLiteral("Items"), QStringLiteral("items"));
  EXPECT_EQ(result.imported, 6);
  EXPECT_EQ(result.skipped, 0);
  EXPECT_TRUE(prompter_.shown.isEmpty());
  const QList<QVariantList> after = Rows(QStringLiteral("Items"));
  ASSERT_EQ(after.size(), before.size());
  for (qsizetype i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << "row " << i;
  // An empty text and no text at all stay apart.
  EXPECT_FALSE(after[4][1].isNull());
  EXPECT_TRUE(after[5][1].isNull());
}

TEST_F(TKDBBackupTest, TheTableExportQuotesOnlyTheFieldsThatNeedIt) {
  TTableDef def;
  def.name = QStringLiteral("Small");
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Desc"), TFieldType::Alpha, 30},
                {QStringLiteral("Price"), TFieldType::Money}};
  Create(def, {{1, QStringLiteral("Cola, large"), 2.5}, {2, QStringLiteral("Say \"hi\""), 10}, {3, QStringLiteral("Tea"), QVariant()}});
  backup_.ExportTable(QStringLiteral("Small"), QStringLiteral("small"));
  EXPECT_EQ(TestSupport::ReadFile(WorkFile(QStringLiteral("small.txt"))),
            QByteArray("1,\"Cola, large\",2.5\r\n2,\"Say \"\"hi\"\"\",10\r\n3,Tea,\r\n"));
  EXPECT_FALSE(QFileInfo::exists(WorkFile(QStringLiteral("small.mem")))); // no blob fields, no bytes
}

TEST_F(TKDBBackupTest, OldUnquotedFilesStillImport) {
  TTableDef def;
  def.name = QStringLiteral("Small");
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Desc"), TFieldType::Alpha, 30},
                {QStringLiteral("Price"), TFieldType::Money}};
  def.indexes = {{QString(), {QStringLiteral("Number")}, true, true}};
  Create(def, {});
  WriteWorkFile(QStringLiteral("old.txt"), QByteArray("1,Cola,2.5\r\n2,\"Big\" Mac,3\r\n3,Caf\xe9\r\n"));
  const TTableImportResult result = backup_.ImportTable(QStringLiteral("Small"), QStringLiteral("old"));
  EXPECT_EQ(result.imported, 3);
  const QList<QVariantList> rows = Rows(QStringLiteral("Small"));
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[1][1].toString(), QStringLiteral("\"Big\" Mac"));
  EXPECT_EQ(rows[2][1].toString(), QStringLiteral("Caf\u00e9"));
  EXPECT_FALSE(rows[2][2].isValid()); // a missing piece leaves the field empty
}

TEST_F(TKDBBackupTest, ABlobLengthBeyondTheMemFileSkipsOnlyThatRow) {
  Create(PicsDef(), {});
  WriteWorkFile(QStringLiteral("pics.txt"), QByteArray("1,3\r\n2,999\r\n3,2\r\n4,x\r\n5,0\r\n"));
  WriteWorkFile(QStringLiteral("pics.mem"), QByteArray("abcde"));
  const TTableImportResult result = backup_.ImportTable(QStringLiteral("Pics"), QStringLiteral("pics"));
  EXPECT_EQ(result.imported, 3);
  EXPECT_EQ(result.skipped, 2);
  const QList<QVariantList> rows = Rows(QStringLiteral("Pics"));
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0], (QVariantList{1, QByteArray("abc")}));
  EXPECT_EQ(rows[1], (QVariantList{3, QByteArray("de")})); // the skipped row took no bytes
  EXPECT_EQ(rows[2][0], 5);
  // The first failure's own error, then the count; the duplicate-key text is not used.
  ASSERT_EQ(prompter_.shown.size(), 2);
  EXPECT_TRUE(prompter_.shown[0].text.startsWith(QStringLiteral("Line 2 could not be imported:\n")));
  EXPECT_TRUE(prompter_.shown[0].text.contains(QStringLiteral("needs 999 bytes, but only 2 are left in \"pics.mem\"")));
  EXPECT_EQ(prompter_.shown[1].text, QStringLiteral("2 of the 5 rows in \"pics.txt\" were not imported."));
}

TEST_F(TKDBBackupTest, ARowSkippedForABadFieldStillUsesUpItsBlobBytes) {
  TTableDef def = PicsDef();
  def.fields.insert(1, {QStringLiteral("Desc"), TFieldType::Alpha, 10});
  Create(def, {});
  WriteWorkFile(QStringLiteral("pics.txt"), QByteArray("1,one,3\r\nnot a number,two,2\r\n3,three,2\r\n4,four,0\r\n"));
  WriteWorkFile(QStringLiteral("pics.mem"), QByteArray("abcdeXY"));
  const TTableImportResult result = backup_.ImportTable(QStringLiteral("Pics"), QStringLiteral("pics"));
  EXPECT_EQ(result.imported, 3);
  EXPECT_EQ(result.skipped, 1);
  const QList<QVariantList> rows = Rows(QStringLiteral("Pics"));
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0], (QVariantList{1, QStringLiteral("one"), QByteArray("abc")}));
  EXPECT_EQ(rows[1], (QVariantList{3, QStringLiteral("three"), QByteArray("XY")})); // not the skipped row's "de"
  EXPECT_EQ(rows[2][0], 4);
  EXPECT_TRUE(prompter_.shown[0].text.startsWith(QStringLiteral("Line 2 could not be imported:\n")));
}

TEST_F(TKDBBackupTest, DuplicateKeysAreReportedOnceWithTheCountOfSkippedRows) {
  TTableDef def;
  def.name = QStringLiteral("Small");
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Desc"), TFieldType::Alpha, 30}};
  def.indexes = {{QString(), {QStringLiteral("Number")}, true, true}};
  Create(def, {{1, QStringLiteral("one")}, {2, QStringLiteral("two")}});
  WriteWorkFile(QStringLiteral("plu.txt"), QByteArray("1,uno\r\n2,dos\r\n3,tres\r\n"));
  backup_.SetEmptyTables(false);
  const TTableImportResult result = backup_.ImportTable(QStringLiteral("Small"), QStringLiteral("plu"));
  EXPECT_EQ(result.imported, 1);
  EXPECT_EQ(result.skipped, 2);
  EXPECT_EQ(prompter_.Texts(),
            (QStringList{QStringLiteral("Duplicate Key Violation\n\rThis file contains PLUs that already\n\rexist in the PLU program."),
                         QStringLiteral("2 of the 3 rows in \"plu.txt\" were not imported.")}));
  EXPECT_EQ(Rows(QStringLiteral("Small")).size(), 3);
  EXPECT_EQ(Rows(QStringLiteral("Small"))[0][1].toString(), QStringLiteral("one"));
}

TEST_F(TKDBBackupTest, AMissingTextFileChangesNothing) {
  TTableDef def;
  def.name = QStringLiteral("Small");
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}};
  Create(def, {{1}, {2}});
  EXPECT_THROW(backup_.ImportTable(QStringLiteral("Small"), QStringLiteral("absent")), EFOpenError);
  EXPECT_EQ(Rows(QStringLiteral("Small")).size(), 2);
}

TEST_F(TKDBBackupTest, AnImportWithoutMemFileReadsNoBlobBytes) {
  Create(PicsDef(), {});
  WriteWorkFile(QStringLiteral("pics.txt"), QByteArray("1,0\r\n2,-4\r\n3\r\n"));
  EXPECT_EQ(backup_.ImportTable(QStringLiteral("Pics"), QStringLiteral("pics")).imported, 3);
  for (const QVariantList& row : Rows(QStringLiteral("Pics"))) EXPECT_FALSE(row[1].isValid());
}

TEST_F(TKDBBackupTest, ExportingATableThatIsNotThereRaisesTheEngineError) {
  try {
    backup_.ExportTable(QStringLiteral("Nothing"), QStringLiteral("nothing"));
    FAIL() << "exported a missing table";
  } catch (const EDBEngineError& e) {
    EXPECT_EQ(e.ErrorCode(), EngineError::TableMissing);
  }
}

TEST_F(TKDBBackupTest, ThePollLayoutsMatchTheirGoldenFiles) {
  Create(PluDef(), PluRows());
  const QByteArray mem = TestSupport::ReadFile(TestSupport::DataPath(QStringLiteral("store/poll-export/poll-7.mem")));
  for (const auto& layout : kPollExports) {
    const QString exportFile = QDir(dir_.path()).filePath(QLatin1String(layout.name) + QStringLiteral(".txt"));
    (backup_.*layout.call)(QStringLiteral("PLU"), 7, Poll7(), exportFile);
    const QString golden = QStringLiteral("store/poll-export/") + QLatin1String(layout.name) + QStringLiteral(".txt");
    EXPECT_EQ(TestSupport::ReadFile(exportFile), TestSupport::ReadFile(TestSupport::DataPath(golden))) << layout.name;
    const QString memFile = WorkFile(QStringLiteral("PLU.mem"));
    if (layout.blobs) EXPECT_EQ(TestSupport::ReadFile(memFile), mem) << layout.name;
    else EXPECT_FALSE(QFileInfo::exists(memFile)) << layout.name;
  }
}

TEST_F(TKDBBackupTest, ASecondPollExportAppendsItsLinesAndItsBlobBytes) {
  Create(PluDef(), PluRows());
  const QString exportFile = QDir(dir_.path()).filePath(QStringLiteral("export.txt"));
  TPollExportValues poll8 = Poll7();
  poll8.zCounter = 457;
  poll8.ecrDate = TDateTime::FromDate(QDate(2026, 12, 9));
  backup_.ExportPollByLocation(QStringLiteral("PLU"), 7, Poll7(), exportFile);
  backup_.ExportPollByLocation(QStringLiteral("PLU"), 8, poll8, exportFile);
  const QByteArray golden7 = TestSupport::ReadFile(TestSupport::DataPath(QStringLiteral("store/poll-export/ExportPollByLocation.txt")));
  EXPECT_EQ(TestSupport::ReadFile(exportFile), golden7 + QByteArray("12,3,12/9/2026,457,101,\"Cola, large\",7,1,0,0,12/9/2026,1,3\r\n"));
  const QByteArray mem7 = TestSupport::ReadFile(TestSupport::DataPath(QStringLiteral("store/poll-export/poll-7.mem")));
  EXPECT_EQ(TestSupport::ReadFile(WorkFile(QStringLiteral("PLU.mem"))), mem7 + QByteArray("xPNG"));

  // A new export file starts its blob bytes anew.
  const QString fresh = QDir(dir_.path()).filePath(QStringLiteral("fresh.txt"));
  backup_.ExportPollByLocation(QStringLiteral("PLU"), 8, poll8, fresh);
  EXPECT_EQ(TestSupport::ReadFile(WorkFile(QStringLiteral("PLU.mem"))), QByteArray("xPNG"));
}

TEST_F(TKDBBackupTest, APollExportOfATableWithoutPollIdFails) {
  TTableDef def;
  def.name = QStringLiteral("Small");
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}};
  Create(def, {{1}});
  EXPECT_THROW(backup_.ExportPollRows(QStringLiteral("Small"), 1, Poll7(), QDir(dir_.path()).filePath(QStringLiteral("x.txt"))),
               EDBEngineError);
}

TEST_F(TKDBBackupTest, StatusBytesOfAFieldThatKeepsEveryByteSurviveExportAndImport) {
  TTableDef def;
  def.name = QStringLiteral("Polls");
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Status"), TFieldType::Alpha, 32, true}};
  QByteArray status(24, '\0');
  const char bits[] = {'\x07', '\xFF', '\x81', '"', ',', '\r', '\n', '\x9D', '\x00', '\x80'};
  for (int i = 0; i < int(sizeof bits); ++i) status[4 + i] = bits[i];
  Create(def, {{1, Cp1252::Decode(status)}});
  backup_.ExportTable(def.name, QStringLiteral("polls"));
  Db().EmptyTable(def.name);
  EXPECT_EQ(backup_.ImportTable(def.name, QStringLiteral("polls")).imported, 1);
  TTable cursor(kAlias, def.name);
  cursor.Open();
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("Status")).AsBytes(), status);
}
