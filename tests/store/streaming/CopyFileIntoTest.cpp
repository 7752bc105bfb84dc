#include "store/streaming/CopyFileInto.h"

#include "store/streaming/FileErrors.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray patternOf(int size) {
  QByteArray bytes(size, Qt::Uninitialized);
  for (int i = 0; i < size; ++i) bytes[i] = char((i * 7 + i / 251) & 0xFF);
  return bytes;
}

class CopyFileIntoTest : public ::testing::Test {
protected:
  QString path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(CopyFileIntoTest, CopiesEveryByteAroundTheBlockSize) {
  for (int size : {0, 1, 8191, 8192, 8193, 16384, 20000}) {
    const QByteArray bytes = patternOf(size);
    TestSupport::WriteFile(path("source.bin"), bytes);
    CopyFileInto(path("source.bin"), path("copy.bin"));
    EXPECT_EQ(TestSupport::ReadFile(path("copy.bin")), bytes) << size;
  }
}

TEST_F(CopyFileIntoTest, ReplacesALongerFile) {
  TestSupport::WriteFile(path("source.bin"), "short");
  TestSupport::WriteFile(path("copy.bin"), patternOf(10000));
  CopyFileInto(path("source.bin"), path("copy.bin"));
  EXPECT_EQ(TestSupport::ReadFile(path("copy.bin")), QByteArray("short"));
}

TEST_F(CopyFileIntoTest, IntoAFolderKeepsTheFileName) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Backup")));
  TestSupport::WriteFile(path("Sales.db"), "table bytes");
  CopyFileInto(path("Sales.db"), path("Backup"));
  EXPECT_EQ(TestSupport::ReadFile(path("Backup/Sales.db")), QByteArray("table bytes"));
}

TEST_F(CopyFileIntoTest, MissingSourceRaisesOpenError) {
  try {
    CopyFileInto(path("none.bin"), path("copy.bin"));
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Cannot open file ") + path("none.bin"));
  }
  EXPECT_FALSE(QFileInfo::exists(path("copy.bin")));
}

TEST_F(CopyFileIntoTest, UncreatableDestinationRaisesCreateError) {
  TestSupport::WriteFile(path("source.bin"), "data");
  TestSupport::WriteFile(path("plain"), "not a folder");
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  try {
    CopyFileInto(path("source.bin"), QStringLiteral("plain/copy.bin")); // expanded to a full path
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Cannot create file ") + QDir(dir_.path()).canonicalPath() +
                               QStringLiteral("/plain/copy.bin"));
  }
  QDir::setCurrent(previous);
}

TEST_F(CopyFileIntoTest, CopyOntoItselfIsRefusedAndKeepsTheFile) {
  TestSupport::WriteFile(path("source.bin"), "precious");
  EXPECT_THROW(CopyFileInto(path("source.bin"), path("./source.bin")), EFCreateError);
  EXPECT_THROW(CopyFileInto(path("source.bin"), dir_.path()), EFCreateError);
  EXPECT_EQ(TestSupport::ReadFile(path("source.bin")), QByteArray("precious"));
}
} // namespace
