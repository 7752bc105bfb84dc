#include "platform/profile/EProfileError.h"
#include "platform/profile/ProfileFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {
QString text(const char* s) { return QString::fromUtf8(s); }

// Everything in the folder but the named file: a write must leave no temporary behind.
QStringList othersIn(const QTemporaryDir& dir, const QString& name) {
  QStringList all = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
  all.removeAll(name);
  return all;
}

struct WriteCase {
  const char* name;
  std::optional<QByteArray> before; // nullopt: no file yet
  const char* section;
  const char* key;
  const char* value;
  QByteArray after;
};

TEST(ProfileFileWrite, EditsTouchOnlyTheirOwnLine) {
  const WriteCase cases[] = {
      {"new file", std::nullopt, "Reports", "Zero Skip", "TRUE", "[Reports]\r\nZero Skip=TRUE\r\n"},
      {"empty file", QByteArray(), "S", "k", "v", "[S]\r\nk=v\r\n"},
      {"new section appended without a blank line", "[A]\r\nx=1\r\n", "B", "y", "2",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"value replaced in place, other lines and LF ends kept", "; note\n[A]\n  x = 1 \ny=2\n\n[B]\nz=3\n",
       "a", "X", "9", "; note\n[A]\nx=9\ny=2\n\n[B]\nz=3\n"},
      {"new key before the section's trailing blank lines", "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n", "A",
       "z", "3", "[A]\r\nx=1\r\nz=3\r\n\r\n\r\n[B]\r\ny=2\r\n"},
      {"new key into an empty section", "[A]\r\n[B]\r\ny=2\r\n", "A", "x", "1",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"last line without line end gets one", "[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"new section after a last line without line end", "[A]\r\nx=1", "B", "y", "2",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"replaced last line keeps having no line end", "[A]\r\nx=1", "A", "X", "22", "[A]\r\nx=22"},
      {"first of duplicate keys replaced", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "3", "[A]\r\nk=3\r\nK=2\r\n"},
      {"first of duplicate sections used", "[A]\r\nk=1\r\n[a]\r\nm=2\r\n", "A", "m", "3",
       "[A]\r\nk=1\r\nm=3\r\n[a]\r\nm=2\r\n"},
      {"comment and unknown lines kept", "[A]\r\n;k=1\r\njunk\r\n", "A", "k", "2",
       "[A]\r\n;k=1\r\njunk\r\nk=2\r\n"},
      {"value written as given", "", "S", "k", "  \"quoted\"  ", "[S]\r\nk=  \"quoted\"  \r\n"},
      {"Windows-1252 bytes", "", "S", "k", "café €", "[S]\r\nk=caf\xE9 \x80\r\n"},
  };
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("write.ini"));
  for (const WriteCase& c : cases) {
    QFile::remove(path);
    if (c.before) TestSupport::WriteFile(path, *c.before);
    ProfileFile(path).Write(text(c.section), text(c.key), text(c.value));
    EXPECT_EQ(TestSupport::ReadFile(path), c.after) << c.name;
  }
  EXPECT_TRUE(othersIn(dir, QStringLiteral("write.ini")).isEmpty());
}

TEST(ProfileFileWrite, WrittenValuesReadBack) {
  QTemporaryDir dir;
  ProfileFile file(dir.filePath(QStringLiteral("round.ini")));
  file.Write(QStringLiteral("S"), QStringLiteral("plain"), QStringLiteral("value"));
  file.Write(QStringLiteral("S"), QStringLiteral("float"), QStringLiteral(" 1.50000000000000E+0000"));
  file.Write(QStringLiteral("s"), QStringLiteral("PLAIN"), QStringLiteral("changed"));
  EXPECT_EQ(file.Read(QStringLiteral("S"), QStringLiteral("plain")), QStringLiteral("changed"));
  EXPECT_EQ(file.Read(QStringLiteral("S"), QStringLiteral("float")),
            QStringLiteral("1.50000000000000E+0000"));
  EXPECT_EQ(file.Keys(QStringLiteral("S")), (QStringList{"plain", "float"}));
}

TEST(ProfileFileWrite, NamesAndValuesThatCannotBeStoredAreRefused) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"", "k", "v"},        {"  ", "k", "v"},      {"S]x", "k", "v"},   {"S\nT", "k", "v"},
      {"S", "", "v"},        {"S", " ", "v"},       {"S", "a=b", "v"},   {"S", "[k", "v"},
      {"S", ";k", "v"},      {"S", "k\r", "v"},     {"S", "k", "v\r\nx=1"}, {"S", "k", "line\nbreak"},
  };
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("refuse.ini"));
  const QByteArray before = "[S]\r\nk=old\r\n";
  TestSupport::WriteFile(path, before);
  ProfileFile file(path);
  for (const auto& c : cases) {
    EXPECT_THROW(file.Write(text(c.section), text(c.key), text(c.value)), EProfileError)
        << c.section << "/" << c.key << "/" << c.value;
  }
  EXPECT_EQ(TestSupport::ReadFile(path), before);
}

TEST(ProfileFileWrite, UnwritablePlaceRaisesAndLeavesNothingBehind) {
  QTemporaryDir dir;
  TestSupport::WriteFile(dir.filePath(QStringLiteral("plain")), "not a folder");
  ProfileFile file(dir.filePath(QStringLiteral("plain/settings.ini")));
  try {
    file.Write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    FAIL() << "no error";
  } catch (const EProfileError& e) {
    EXPECT_EQ(e.SystemError(), ENOTDIR);
    EXPECT_TRUE(e.Message().contains(QStringLiteral("plain/settings.ini"))) << e.what();
  }
  EXPECT_THROW(ProfileFile(QString()).Write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")),
               EProfileError);
  EXPECT_EQ(othersIn(dir, QStringLiteral("plain")), QStringList());
}

TEST(ProfileFileWrite, ExistingFileThatCannotBeReadIsNeverReplaced) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("folder.ini"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
  ProfileFile file(path);
  EXPECT_THROW(file.Write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")), EProfileError);
  EXPECT_THROW(file.DeleteKey(QStringLiteral("S"), QStringLiteral("k")), EProfileError);
  EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(ProfileFileWrite, KeepsPermissionsAndSymbolicLinks) {
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("real.ini"));
  const QString link = dir.filePath(QStringLiteral("link.ini"));
  TestSupport::WriteFile(target, "[S]\r\nk=1\r\n");
  const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
  ASSERT_TRUE(QFile::setPermissions(target, mode));
  ASSERT_TRUE(QFile::link(target, link));
  ProfileFile(link).Write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(TestSupport::ReadFile(target), QByteArray("[S]\r\nk=2\r\n"));
  // Owner, group and other bits (the "user" bits only repeat the owner's for us).
  EXPECT_EQ(int(QFile::permissions(target) & 0x7077), int(mode));
}

TEST(ProfileFileDelete, RemovesOnlyTheFirstMatchingLine) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("delete.ini"));
  TestSupport::WriteFile(path, "[A]\r\nk=1\r\nK=2\r\nm=3\r\n[B]\r\nk=4\r\n");
  ProfileFile file(path);
  file.DeleteKey(QStringLiteral("a"), QStringLiteral("K"));
  EXPECT_EQ(TestSupport::ReadFile(path), QByteArray("[A]\r\nK=2\r\nm=3\r\n[B]\r\nk=4\r\n"));
  file.DeleteKey(QStringLiteral("A"), QStringLiteral("missing"));
  file.DeleteKey(QStringLiteral("Missing"), QStringLiteral("k"));
  EXPECT_EQ(TestSupport::ReadFile(path), QByteArray("[A]\r\nK=2\r\nm=3\r\n[B]\r\nk=4\r\n"));
}

TEST(ProfileFileDelete, MissingFileStaysMissing) {
  QTemporaryDir dir;
  ProfileFile file(dir.filePath(QStringLiteral("none.ini")));
  file.DeleteKey(QStringLiteral("A"), QStringLiteral("k"));
  EXPECT_FALSE(QFileInfo::exists(file.Path()));
}
} // namespace
