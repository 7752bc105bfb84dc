// The files: a work file read back with the synthesiser's own reader gives the same
// expectations, and crs-sim serves the fixture as the same blocks.
#include "SynthTestSupport.h"

#include "crs-sim/SimBlockFile.h"
#include "crs-sim/SimFixtures.h"
#include "crs-synth/SynthBlockFile.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthReader.h"
#include "crs-synth/SynthReportKinds.h"
#include "crs-synth/Synthesiser.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace SynthTestSupport;

namespace {
class SynthRoundTrip : public testing::TestWithParam<QString> {};

TEST_P(SynthRoundTrip, WorkFileReadsBackToTheSameExpectations) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (quint64 seed : {1u, 2u, 3u}) {
    SynthRequest request = Request(GetParam(), -1, {}, seed);
    if (GetParam() != QLatin1String("invt")) request.names.insert(1, QStringLiteral("FIRST")); // it takes none
    request.codes.insert(1, 120);
    request.jobNames.insert(3, QStringLiteral("BAR"));
    const SynthAnswer answer = Make(request);
    const QString path = dir.filePath(QStringLiteral("work.ecr"));
    Synthesiser::WriteWorkFile(answer, path);
    const QList<QByteArray> blocks = SynthBlockFile::Read(path);
    EXPECT_EQ(blocks, answer.blocks);
    EXPECT_EQ(SynthReader::Expectations(GetParam(), blocks, request.names, request.jobNames, request.codes), answer.expectations)
        << "seed " << seed;
  }
}

TEST_P(SynthRoundTrip, CrsSimServesTheFixtureAsTheSameBlocks) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const SynthAnswer answer = Make(GetParam());
  Synthesiser::WriteFixture(answer, dir.path());
  const SimFixtures fixtures = SimFixtures::Load(dir.path());
  ASSERT_TRUE(fixtures.reports.contains(answer.code));
  const QList<QByteArray> bodies = fixtures.reports.value(answer.code);
  ASSERT_EQ(bodies.size(), answer.blocks.size());
  for (qsizetype k = 0; k < bodies.size(); ++k) {
    // A body is the stored frame without DLE STX in front and DLE ETX CRC behind.
    EXPECT_EQ(bodies[k], answer.blocks[k].mid(2, answer.blocks[k].size() - 6)) << k;
    EXPECT_EQ(quint8(bodies[k][0]), bodies.size() - 1 - k);
  }
}

INSTANTIATE_TEST_SUITE_P(Reports, SynthRoundTrip, testing::ValuesIn(SynthReportKinds::Names()),
                         [](const testing::TestParamInfo<QString>& param) { return param.param.toStdString(); });

TEST(SynthReader, RefusesDamagedBlocksAndBrokenRecords) {
  const SynthAnswer answer = Make(QStringLiteral("coupon"), 3);
  QList<QByteArray> blocks = answer.blocks;
  blocks[1][10] = char(blocks[1][10] ^ 0x01);
  EXPECT_THROW(SynthReader::Expectations(QStringLiteral("coupon"), blocks), SynthFileError);
  EXPECT_THROW(SynthReader::Expectations(QStringLiteral("cashier"), answer.blocks), SynthFileError);
  EXPECT_THROW(SynthReader::Expectations(QStringLiteral("financial"), answer.blocks), SynthFileError);
}

TEST(SynthBlockFile, LittleEndianCountAndLengths) {
  const QByteArray file = SynthBlockFile::Encode({QByteArray("AB"), QByteArray("C")});
  EXPECT_EQ(file, TestSupport::Hex("02 00 00 00 02 00 00 00 41 42 01 00 00 00 43"));
  EXPECT_EQ(SynthBlockFile::Decode(file), QList<QByteArray>({"AB", "C"}));
  EXPECT_EQ(SimBlockFile::Decode(file, QStringLiteral("x")), QList<QByteArray>({"AB", "C"}));
  EXPECT_THROW(SynthBlockFile::Decode(file.chopped(1)), SynthFileError);
  EXPECT_THROW(SynthBlockFile::Decode(TestSupport::Hex("01 00 00 00 00 00 00 00")), SynthFileError);
}
} // namespace
