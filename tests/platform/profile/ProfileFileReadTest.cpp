#include "platform/profile/ProfileFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct ReadCase {
  const char* name;
  QByteArray file;
  const char* section;
  const char* key;
  std::optional<QString> expected;
};

QString text(const char* s) { return QString::fromUtf8(s); }

const QByteArray kSample = QByteArrayLiteral(
    "stray=before any section\r\n"
    "; a comment=not a key\r\n"
    "[Reports]\r\n"
    "Zero Skip=TRUE\r\n"
    "  Padded Key  =   spaced value  \t\r\n"
    "Quoted=\"  kept inside  \"\r\n"
    "HalfQuoted=\"open\r\n"
    "EmptyQuotes=\"\"\r\n"
    "Empty=\r\n"
    "Formula=a=b\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "no equals sign here\r\n"
    "\r\n"
    "[ CalendarFiles ]\r\n"
    "Active=FALSE\r\n"
    "[reports]\r\n"
    "Late=in a second section of the same name\r\n"
    "[LF Only]\n"
    "Unix=yes\n"
    "Last=no line end");

TEST(ProfileFileRead, ValuesFollowTheProfileRules) {
  const ReadCase cases[] = {
      {"exact names", kSample, "Reports", "Zero Skip", text("TRUE")},
      {"section and key in other case", kSample, "REPORTS", "zero skip", text("TRUE")},
      {"blanks around key and value trimmed", kSample, "Reports", "Padded Key", text("spaced value")},
      {"names asked with blanks", kSample, " Reports ", " Padded Key ", text("spaced value")},
      {"one pair of quotes removed", kSample, "Reports", "Quoted", text("  kept inside  ")},
      {"a lone quote stays", kSample, "Reports", "HalfQuoted", text("\"open")},
      {"empty quotes give empty text", kSample, "Reports", "EmptyQuotes", text("")},
      {"an empty value is present", kSample, "Reports", "Empty", text("")},
      {"value runs to the line end", kSample, "Reports", "Formula", text("a=b")},
      {"first of duplicate keys wins", kSample, "Reports", "DUP", text("first")},
      {"section name with blanks inside brackets", kSample, "CalendarFiles", "Active", text("FALSE")},
      {"first of duplicate sections wins", kSample, "Reports", "Late", std::nullopt},
      {"LF-only lines", kSample, "LF Only", "Unix", text("yes")},
      {"last line without line end", kSample, "LF Only", "Last", text("no line end")},
      {"line without equals sign is no key", kSample, "Reports", "no equals sign here", std::nullopt},
      {"lines before any section belong to none", kSample, "", "stray", std::nullopt},
      {"comment is no key", kSample, "", "; a comment", std::nullopt},
      {"missing key", kSample, "Reports", "Nothing", std::nullopt},
      {"missing section", kSample, "Nothing", "Active", std::nullopt},
      {"Windows-1252 bytes", QByteArrayLiteral("[S]\r\nk=caf\xE9 \x80\r\n"), "S", "k", text("café €")},
      {"empty file", QByteArray(), "S", "k", std::nullopt},
  };
  QTemporaryDir dir;
  for (const ReadCase& c : cases) {
    const QString path = dir.filePath(QStringLiteral("read.ini"));
    TestSupport::WriteFile(path, c.file);
    EXPECT_EQ(ProfileFile(path).Read(text(c.section), text(c.key)), c.expected) << c.name;
  }
}

TEST(ProfileFileRead, MissingOrUnreadableFileReadsAsEmpty) {
  QTemporaryDir dir;
  const ProfileFile missing(dir.filePath(QStringLiteral("none.ini")));
  EXPECT_EQ(missing.Read(QStringLiteral("S"), QStringLiteral("k")), std::nullopt);
  EXPECT_FALSE(missing.HasSection(QStringLiteral("S")));
  EXPECT_TRUE(missing.Sections().isEmpty());
  EXPECT_FALSE(QFileInfo::exists(missing.Path()));

  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
  const ProfileFile folder(dir.filePath(QStringLiteral("folder.ini")));
  EXPECT_EQ(folder.Read(QStringLiteral("S"), QStringLiteral("k")), std::nullopt);
  EXPECT_TRUE(folder.Keys(QStringLiteral("S")).isEmpty());
}

TEST(ProfileFileRead, SectionsAndKeysAreListedOnceInFileOrder) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("list.ini"));
  TestSupport::WriteFile(path, kSample);
  const ProfileFile file(path);
  EXPECT_EQ(file.Sections(), (QStringList{"Reports", "CalendarFiles", "LF Only"}));
  EXPECT_EQ(file.Keys(QStringLiteral("reports")),
            (QStringList{"Zero Skip", "Padded Key", "Quoted", "HalfQuoted", "EmptyQuotes", "Empty",
                         "Formula", "Dup"}));
  EXPECT_TRUE(file.HasSection(QStringLiteral("calendarfiles")));
  EXPECT_FALSE(file.HasSection(QStringLiteral("Calendar")));
  EXPECT_TRUE(file.Keys(QStringLiteral("Nothing")).isEmpty());
}
} // namespace
