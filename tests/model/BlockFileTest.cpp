// The block file reader and writer against byte fixtures.
#include "model/EInOutError.h"
#include "model/EcrErrors.h"
#include "model/TBlockFileReader.h"
#include "model/TBlockFileWriter.h"

#include "TestSupport.h"
#include "model/ModelFixture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {
QString Fixture(const char* name) { return TestSupport::DataPath(QStringLiteral("model/") + QLatin1String(name)); }

TEST(BlockFile, ReadsToTheEndWhateverTheCountSays) {
  qint32 count = 0;
  const QList<QByteArray> blocks = Blocks(Fixture("stale_count.blk"), &count);
  EXPECT_EQ(count, 3);
  ASSERT_EQ(blocks.size(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(blocks[i], QByteArray(10 * (i + 1), char(i + 1)));
}

TEST(BlockFile, ReadsAFullSizedBlockAndAnEmptyOne) {
  const QList<QByteArray> blocks = Blocks(Fixture("three_blocks.blk"));
  ASSERT_EQ(blocks.size(), 3);
  EXPECT_EQ(blocks[1].size(), 4096);
  EXPECT_EQ(blocks[1].at(4095), char(0xFF));
  const QList<QByteArray> withEmpty = Blocks(Fixture("empty_block.blk"));
  ASSERT_EQ(withEmpty.size(), 2);
  EXPECT_EQ(withEmpty[0].size(), 0);
  EXPECT_EQ(withEmpty[1], QByteArray("z"));
  EXPECT_TRUE(Blocks(Fixture("count_only.blk")).isEmpty());
}

TEST(BlockFile, RefusesDamagedFilesWithoutOverrunningTheBuffer) {
  const struct {
    const char* fixture;
    int goodBlocks;
    const char* message;
  } cases[] = {
      {"oversize_block.blk", 1, "Invalid block length 4097 in block 2"},
      {"negative_block.blk", 0, "Invalid block length -1 in block 1"},
      {"truncated_block.blk", 1, "Read beyond end of file"},
      {"cut_length.blk", 1, "Read beyond end of file"},
  };
  for (const auto& c : cases) {
    QFile file(Fixture(c.fixture));
    TBlockFileReader reader(file);
    // A guard after the buffer shows any write past its end.
    struct {
      TEcrBlock buffer{};
      std::array<quint8, 64> guard{};
    } memory;
    qint32 length = 0;
    for (int i = 0; i < c.goodBlocks; ++i) ASSERT_TRUE(reader.Next(memory.buffer, length)) << c.fixture;
    try {
      reader.Next(memory.buffer, length);
      ADD_FAILURE() << c.fixture << " was read";
    } catch (const EInOutError& e) {
      EXPECT_TRUE(e.Message().startsWith(QLatin1String(c.message))) << qPrintable(e.Message());
    }
    EXPECT_EQ(memory.guard, (std::array<quint8, 64>{})) << c.fixture;
  }
}

TEST(BlockFile, AFileTooShortForItsCountOrMissingIsRefused) {
  QTemporaryDir dir;
  TestSupport::WriteFile(dir.filePath("short.blk"), QByteArray("\x01\x00", 2));
  QFile shortFile(dir.filePath("short.blk"));
  EXPECT_THROW(TBlockFileReader{shortFile}, EInOutError);
  QFile missing(dir.filePath("missing.blk"));
  EXPECT_THROW(TBlockFileReader{missing}, EInOutError);
}

TEST(BlockFile, WriterMakesTheFixtureBytes) {
  QTemporaryDir dir;
  QFile file(dir.filePath("out.blk"));
  TBlockFileWriter writer = TBlockFileWriter::Rewrite(file);
  TEcrBlock buffer{};
  buffer[0] = 1, buffer[1] = 2, buffer[2] = 3;
  writer.Write(buffer, 3);
  for (int i = 0; i < 4096; ++i) buffer[size_t(i)] = quint8(i);
  writer.Write(buffer, 4096);
  buffer[0] = 0xFF;
  writer.Write(buffer, 1);
  EXPECT_THROW(writer.Write(buffer, 4097), ERangeError);
  EXPECT_THROW(writer.Write(buffer, 0), ERangeError);
  writer.Finish(3);
  file.close();
  EXPECT_EQ(TestSupport::ReadFile(file.fileName()), TestSupport::ReadFile(Fixture("three_blocks.blk")));
}

TEST(BlockFile, ContinuingAFileReplacesItsLastBlockAndCutsWhatFollowed) {
  QTemporaryDir dir;
  const QString path = dir.filePath("chain.blk");
  QFile::copy(Fixture("stale_count.blk"), path);
  QFile file(path);
  TEcrBlock last{};
  qint32 lastLength = 0;
  TBlockFileWriter writer = TBlockFileWriter::Continue(file, last, lastLength);
  EXPECT_EQ(writer.StoredCount(), 3);
  EXPECT_EQ(writer.BlocksFound(), 5);
  EXPECT_EQ(lastLength, 50);
  EXPECT_EQ(last[49], 5);
  last[0] = 9;
  writer.Write(last, 20); // shorter than before: the old tail must not stay behind
  writer.Finish(5);
  file.close();
  const QList<QByteArray> blocks = Blocks(path);
  ASSERT_EQ(blocks.size(), 5);
  EXPECT_EQ(blocks[4], QByteArray(1, char(9)) + QByteArray(19, char(5)));
  EXPECT_EQ(blocks[3], QByteArray(40, char(4)));
}
} // namespace
