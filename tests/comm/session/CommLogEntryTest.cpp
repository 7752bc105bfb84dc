// A row's progress text and its export to a text file.
#include "CommLogFixture.h"
#include "comm/session/CommLogEntry.h"
#include "comm/session/CommLogErrors.h"

#include <QFile>

namespace {
QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(CommLogEntry, LinesComeBackAsTheyWereWhateverTheLineEnds) {
  const QStringList lines{QStringLiteral("10:30:00 AM Initiating Communications"), QString(),
                          QStringLiteral("10:30:01 AM APPPE")};
  EXPECT_EQ(CommLogEntry::Lines(CommLogEntry::Text(lines)), lines);
  EXPECT_EQ(CommLogEntry::Lines(QStringLiteral("a\nb\rc\r\nd")), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(CommLogEntry::Lines(QString()), QStringList());
  EXPECT_EQ(CommLogEntry::Text({}), QString());
}

struct ExportCase {
  const char* name;
  QString entry;
  QByteArray file;
};

class ExportTest : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExportTest, WritesTheLinesOneALine) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("LogExp.TXT"));
  CommLogEntry::Export(GetParam().entry, path);
  EXPECT_EQ(FileBytes(path), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ExportTest,
    ::testing::Values(ExportCase{"Empty", QString(), QByteArray()},
                      ExportCase{"TwoLines", QStringLiteral("one\r\ntwo\r\n"), QByteArray("one\r\ntwo\r\n")},
                      ExportCase{"NoEndAfterTheLast", QStringLiteral("one\ntwo"), QByteArray("one\r\ntwo\r\n")},
                      ExportCase{"EmptyLinesKept", QStringLiteral("\r\n\r\nx\r\n"), QByteArray("\r\n\r\nx\r\n")},
                      ExportCase{"WindowsText", QStringLiteral("Caf\u00e9 \u20ac\r\n"),
                                 QByteArray("Caf\xE9 \x80\r\n")}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(CommLogEntry, AnExportThatCannotWriteIsAFileError) {
  QTemporaryDir dir;
  try {
    CommLogEntry::Export(QStringLiteral("x"), dir.filePath(QStringLiteral("no-such-folder/LogExp.TXT")));
    FAIL() << "no error";
  } catch (const ECommLogExport& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("File I/O error."));
  }
}

TEST(CommLogEntry, AnExportReplacesAnOlderFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("LogExp.TXT"));
  CommLogEntry::Export(QStringLiteral("a much longer first export\r\n"), path);
  CommLogEntry::Export(QString(), path);
  EXPECT_EQ(FileBytes(path), QByteArray());
}
} // namespace
