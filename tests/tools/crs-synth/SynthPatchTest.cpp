// Patched answers: bytes a decoder must refuse, in frames that still check.
#include "SynthTestSupport.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthReader.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace SynthTestSupport;
using TestSupport::Hex;

namespace {
SynthAnswer Patched(const QString& report, int records, const QStringList& patches) {
  SynthRequest request = Request(report, records);
  for (const QString& patch : patches) request.patches << SynthPatch::Parse(patch);
  return Make(request);
}

TEST(SynthPatch, OverwritesDataInAFrameThatStillChecks) {
  const SynthAnswer answer = Patched(QStringLiteral("clkpnchs"), 4, {QStringLiteral("2:0=FF FF"), QStringLiteral("1:6=99 9D")});
  const SynthAnswer plain = Make(QStringLiteral("clkpnchs"), 4);
  EXPECT_EQ(Data(answer, 1), Hex("FF FF") + Data(plain, 1).mid(2));
  EXPECT_EQ(Data(answer, 0).mid(6, 2), Hex("99 9D"));
  EXPECT_EQ(answer.blocks[1].left(4), Hex("10 02 00 04"));
  EXPECT_EQ(answer.expectations.mid(1, 2),
            QStringList({"patched\tblock=2\toffset=0\tbytes=FF FF", "patched\tblock=1\toffset=6\tbytes=99 9D"}));
}

TEST(SynthPatch, LengthensABlockPastItsLastRecord) {
  const SynthAnswer answer = Patched(QStringLiteral("coupon"), 3, {QStringLiteral("2:33=00")});
  EXPECT_EQ(answer.blocks[1].size(), 8 + 34);
  EXPECT_THROW(SynthReader::Expectations(QStringLiteral("coupon"), answer.blocks), SynthFileError);
}

TEST(SynthPatch, RefusesBlocksAndOffsetsThatDoNotExist) {
  EXPECT_THROW(Patched(QStringLiteral("coupon"), 3, {QStringLiteral("3:0=00")}), SynthValueError);
  EXPECT_THROW(Patched(QStringLiteral("coupon"), 3, {QStringLiteral("0:0=00")}), SynthValueError);
  EXPECT_THROW(Patched(QStringLiteral("coupon"), 3, {QStringLiteral("2:34=00")}), SynthValueError);
  EXPECT_THROW(SynthPatch::Parse(QStringLiteral("2:0=F")), SynthUsageError);
  EXPECT_THROW(SynthPatch::Parse(QStringLiteral("2=00")), SynthUsageError);
}
} // namespace
