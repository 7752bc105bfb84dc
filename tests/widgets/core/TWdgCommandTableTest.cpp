#include "widgets/core/TWdgCommandProcessor.h"
#include "widgets/core/TWdgCommandTable.h"
#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgCommandErrors.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {
using Pairs = std::vector<std::pair<quint32, quint16>>;
constexpr quint32 kCtrlZ = 0x0000045A;
constexpr quint32 kF5 = 0x00000074;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(StoredCommandTables, BuiltInTablesStoreOnlyTheirDifferences) {
  TWdgCommandProcessor processor;
  TWdgCommandTable& table = *processor.FindTable("Default");
  table.DeleteEntry(table.FindKeys({'Z', 4, 0, 0, 0}));
  table.AppendEntry({116, 0, 0, 0, ccUndo});
  EXPECT_EQ(table.Stored().pairs, (Pairs{{kCtrlZ, 0}, {kF5, ccUndo}}));
  EXPECT_TRUE(processor.FindTable("WordStar")->Stored().pairs.empty());
  EXPECT_TRUE(processor.FindTable("Grid")->Stored().pairs.empty());
}

TEST(StoredCommandTables, ChangedCommandsAreStoredAndReadBack) {
  TWdgCommandProcessor processor;
  TWdgCommandTable& grid = *processor.FindTable("Grid");
  grid.ReplaceEntry(grid.FindKeys({113, 0, 0, 0, 0}), {113, 0, 0, 0, ccRestore});
  const auto stored = processor.StoredTables();
  EXPECT_EQ(stored[2].pairs, (Pairs{{113, ccRestore}}));

  TWdgCommandProcessor reader;
  reader.LoadStoredTables(stored);
  EXPECT_EQ(reader.KeyToCommandIn({"Grid"}, Qt::Key_F2, Qt::NoModifier), ccRestore);
  EXPECT_EQ(reader.FindTable("Grid")->EntryCount(), 38);
}

TEST(StoredCommandTables, RemovedAndAddedKeysAreReadBack) {
  const std::vector<TWdgStoredCommandTable> stored{
      {"Default", true, {{kCtrlZ, 0}, {kF5, ccUndo}}}, {"WordStar", false, {}}};
  TWdgCommandProcessor processor;
  processor.LoadStoredTables(stored);
  ASSERT_EQ(processor.TableCount(), 2);
  EXPECT_EQ(processor.TableAt(0).EntryCount(), 64);
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_Z, Qt::ControlModifier), CmdPlainKey);
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_F5, Qt::NoModifier), ccUndo);
  EXPECT_EQ(processor.TableAt(1).EntryCount(), 40);
  EXPECT_FALSE(processor.TableAt(1).IsActive());
  EXPECT_EQ(processor.StoredTables(), stored);
}

TEST(StoredCommandTables, OtherTablesStoreEveryEntryInOrder) {
  TWdgCommandProcessor processor;
  processor.NewTable("Custom", false);
  processor.AddEntryToTable("Custom", {'Q', 4, 'S', 0x80, ccHome});
  processor.AddEntryToTable("Custom", {112, 0, 0, 0, ccRestore});
  const auto stored = processor.StoredTables();
  ASSERT_EQ(stored.size(), 4u);
  EXPECT_EQ(stored[3], (TWdgStoredCommandTable{
                           "Custom", false, {{0x80530451, ccHome}, {112, ccRestore}}}));

  TWdgCommandProcessor reader;
  reader.LoadStoredTables({stored[3]});
  EXPECT_EQ(reader.TableCount(), 1);
  EXPECT_EQ(reader.TableAt(0).EntryAt(0), (TWdgCommandEntry{'Q', 4, 'S', 0x80, ccHome}));
  EXPECT_EQ(reader.TableAt(0).EntryAt(1), (TWdgCommandEntry{112, 0, 0, 0, ccRestore}));
}

TEST(StoredCommandTables, LoadingForgetsAHalfTypedSequence) {
  TWdgCommandProcessor processor;
  processor.TableAt(0).SetActive(false);
  processor.TableAt(1).SetActive(true);
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_Q, Qt::ControlModifier), CmdPending);
  processor.LoadStoredTables({{"WordStar", true, {}}});
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_S, Qt::ControlModifier), ccLeft);
}

TEST(CommandTableFile, WritesOneEntryALineInFixedColumns) {
  QTemporaryDir dir;
  TWdgCommandTable table("Custom");
  table.AppendEntry({'Q', 4, 'S', 0x80, ccHome});
  table.AppendEntry({113, 0, 0, 0, ccTableEdit});
  table.WriteTextFile(dir.filePath("custom.txt"));
  EXPECT_EQ(ReadAll(dir.filePath("custom.txt")),
            "Custom\r\n  81   4  83 128    42\r\n 113   0   0   0    69\r\n");
}

TEST(CommandTableFile, ReadsWhatWasWritten) {
  QTemporaryDir dir;
  TWdgCommandProcessor processor;
  processor.SaveTableFile("wordstar", dir.filePath("ws.txt"));
  const int index = processor.LoadTableFile(dir.filePath("ws.txt"));
  const TWdgCommandTable& copy = processor.TableAt(index);
  EXPECT_EQ(copy.TableName(), "WordStar1");
  ASSERT_EQ(copy.EntryCount(), 40);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(copy.EntryAt(i), processor.TableAt(1).EntryAt(i));
}

TEST(CommandTableFile, NumbersMayStandAnywhereOnTheLines) {
  QTemporaryDir dir;
  WriteAll(dir.filePath("t.txt"), "Mine\n113 0 0\n0 69   112\t0 0 0 54\n");
  TWdgCommandTable table;
  table.AppendEntry({1, 0, 0, 0, 1});
  table.ReadTextFile(dir.filePath("t.txt"));
  EXPECT_EQ(table.TableName(), "Mine");
  ASSERT_EQ(table.EntryCount(), 2);
  EXPECT_EQ(table.EntryAt(0), (TWdgCommandEntry{113, 0, 0, 0, ccTableEdit}));
  EXPECT_EQ(table.EntryAt(1), (TWdgCommandEntry{112, 0, 0, 0, ccRestore}));
}

struct BadFile {
  const char* name;
  QByteArray text;
};

const BadFile kBadFiles[] = {
    {"Letter", "T\n113 0 0 0 x\n"},
    {"IncompleteEntry", "T\n113 0 0 0 69\n112 0\n"},
    {"KeyAboveByte", "T\n256 0 0 0 69\n"},
    {"CommandAboveWord", "T\n113 0 0 0 65536\n"},
    {"Negative", "T\n113 0 0 0 -1\n"},
};

class BadCommandTableFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadCommandTableFile, IsRefused) {
  QTemporaryDir dir;
  WriteAll(dir.filePath("t.txt"), GetParam().text);
  TWdgCommandProcessor processor;
  EXPECT_THROW(processor.LoadTableFile(dir.filePath("t.txt")), ECommandFileError);
  EXPECT_EQ(processor.TableCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(Files, BadCommandTableFile, ::testing::ValuesIn(kBadFiles),
                         [](const ::testing::TestParamInfo<BadFile>& param) {
                           return std::string(param.param.name);
                         });

TEST(CommandTableFile, MissingFilesAndTablesAreHandled) {
  QTemporaryDir dir;
  TWdgCommandProcessor processor;
  try {
    processor.LoadTableFile(dir.filePath("none.txt"));
    FAIL() << "no error";
  } catch (const ECommandFileError& e) {
    EXPECT_TRUE(e.Message().endsWith("none.txt"));
  }
  processor.SaveTableFile("nosuch", dir.filePath("out.txt"));
  EXPECT_FALSE(QFile::exists(dir.filePath("out.txt")));
  EXPECT_THROW(processor.SaveTableFile("Default", dir.filePath("no/such/folder.txt")),
               ECommandFileError);
}

TEST(CommandTable, EntryIndexesAreChecked) {
  TWdgCommandTable table;
  EXPECT_EQ(table.TableName(), "(Unknown)");
  table.InsertEntry(0, {1, 0, 0, 0, 1});
  table.InsertEntry(0, {2, 0, 0, 0, 2});
  EXPECT_EQ(table.EntryAt(0).Key1, 2);
  EXPECT_EQ(table.FindKeys({1, 0, 0, 0, 9}), 1);
  EXPECT_EQ(table.FindKeys({1, 2, 0, 0, 1}), -1);
  EXPECT_THROW(table.InsertEntry(3, {3, 0, 0, 0, 3}), ETableNotFound);
  EXPECT_THROW(table.ReplaceEntry(2, {3, 0, 0, 0, 3}), ETableNotFound);
  EXPECT_THROW(table.DeleteEntry(-1), ETableNotFound);
  EXPECT_THROW(table.EntryAt(2), ETableNotFound);
  EXPECT_EQ(table.EntryCount(), 2);
}
} // namespace
