// The stored forms of the CRS drivers, programs and reports, held to the byte against
// expected streams composed by hand from their layouts, and read back from those bytes.
#include "model/StreamBytes.h"
#include "store/StreamedObjects.h"

#include "crs3000/tEcrCrs2000.h"
#include "crs3000/tEcrRptCrs3000.h"
#include "model/EcrStreamForm.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV221.h"
#include "store/streaming/TObjectStream.h"

#include <gtest/gtest.h>

using namespace StreamBytes;

namespace {
using StreamedObjects::ReadAll;
using StreamedObjects::Written;

// A CRS 3000 report as a decoder class makes it, with the register range the base sets up.
class tGoldRptCrs3000 final : public tEcrRptCrs3000 {
  TB_OBJECT(tGoldRptCrs3000)
public:
  explicit tGoldRptCrs3000(TBlank blank) : tEcrRptCrs3000(blank) {}
};
} // namespace

TB_DEFINE_CLASS(tGoldRptCrs3000, tEcrRptCrs3000)

namespace {
[[maybe_unused]] const bool registered = [] {
  EcrStreamForm::RegisterRpt(tGoldRptCrs3000::StaticClass());
  return true;
}();

std::string HexText(const QByteArray& bytes) { return bytes.toHex(' ').toUpper().toStdString(); }


} // namespace

TEST(Crs3000StreamFormGolden, TheModel2000IsStoredWithTwoEmptyArrays) {
  const std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs2000::StaticClass());
  const QByteArray expected =
      Head("tEcrCrs2000") +
      ArrayHead("tEcrPrg", "ComparePrgs", /*count*/ 0, /*capacity*/ 1, /*delta*/ 1, /*sorted*/ true) +
      ArrayHead("tEcrRpt", "CompareRpts", 0, 1, 1, true);
  EXPECT_EQ(HexText(Written(ecr.get())), HexText(expected));
  // A class without programs comes back without a program list, for the machine reader to
  // replace.
  const std::unique_ptr<tEcr> read = ReadAll<tEcr>(expected);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ClassName(), "tEcrCrs2000");
  EXPECT_EQ(read->Prgs(), nullptr);
}

TEST(Crs3000StreamFormGolden, AMemoryAllocationProgramIsStoredLikeEveryProgram) {
  const std::unique_ptr<tEcrPrgCrs3000MemAllocV221> prg = tEcrFnct::New<tEcrPrgCrs3000MemAllocV221>(nullptr);
  prg->SetProgramID(QStringLiteral("Store7"));
  prg->SetLastSvd(TDateTime(45000.5));
  const QByteArray expected = Head("tEcrPrgCrs3000MemAllocV221") + // 06 1A and the name
                              Str("Store7") +                     // ProgramID
                              Float(kExtZero) +                   // LastMod
                              Float(kExt45000_5) +                // LastSvd
                              Float(kExtZero) +                   // LastSnt
                              Float(kExtZero).repeated(10) +      // CompParams
                              Hex("02 00").repeated(10);          // IntParams
  EXPECT_EQ(HexText(Written(prg.get())), HexText(expected));
  const std::unique_ptr<tEcrPrg> read = ReadAll<tEcrPrg>(expected);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ClassName(), "tEcrPrgCrs3000MemAllocV221");
  EXPECT_EQ(read->GetPrgName(), "Memory Allocation");
  EXPECT_EQ(read->ProgramID(), "Store7");
  EXPECT_EQ(read->LastSvd(), TDateTime(45000.5));
}

TEST(Crs3000StreamFormGolden, ACrs3000ReportCarriesItsRegisterRangeInItsParameters) {
  const std::unique_ptr<tGoldRptCrs3000> rpt = tEcrFnct::New<tGoldRptCrs3000>(nullptr);
  const QByteArray expected = Head("tGoldRptCrs3000") +       //
                              Float(kExtZero) +               // LastRead: never
                              Float(kExtZero).repeated(10) +  // CompParams
                              Hex("02 00  02 00  02 00") +    // IntParams 0..2
                              Hex("02 01  02 18") +           // IntParams 3..4: registers 1 .. 24
                              Hex("02 00").repeated(5);       // IntParams 5..9
  EXPECT_EQ(HexText(Written(rpt.get())), HexText(expected));

  // Stored values replace those the constructor set.
  QByteArray stored = expected;
  stored.replace(stored.size() - 14, 4, Hex("02 05  02 09"));
  const std::unique_ptr<tEcrRpt> read = ReadAll<tEcrRpt>(stored);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->GetIntParam(3), 5);
  EXPECT_EQ(read->GetIntParam(4), 9);
}
