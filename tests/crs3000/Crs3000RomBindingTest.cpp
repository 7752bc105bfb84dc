// A program or report class defined for the CRS 3000 in one line is registered, streams
// and is bound to the ROM versions, and every bound class is one that some ROM lists.
#include "TestCrsDecoders.h"

#include "crs3000/Crs3000ClassDef.h"
#include "crs3000/Crs3000RomBinding.h"
#include "model/EcrStreamForm.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV225.h"
#include "store/streaming/StreamRegistry.h"

#include <gtest/gtest.h>

// Defined in one line under a name no ROM lists, so that the check below has one class
// to find.
class tTestUnlistedRpt : public tEcrRptCrs3000 {
  TB_OBJECT(tTestUnlistedRpt)
public:
  explicit tTestUnlistedRpt(TBlank blank) : tEcrRptCrs3000(blank) {}
};
TB_DEFINE_CRS3000_RPT_CLASS(tTestUnlistedRpt, tEcrRptCrs3000)

namespace {
TEST(Crs3000RomBinding, TheOneLineRegistersStreamsAndBinds) {
  const TClass& cls = ClassByName(QStringLiteral("tTestUnlistedRpt"));
  EXPECT_EQ(&cls, &tTestUnlistedRpt::StaticClass());
  EXPECT_TRUE(Crs3000RomBinding::Bound().contains(&cls));
  EXPECT_FALSE(Crs3000RomBinding::Bound().contains(&tTestCpnDecoder::StaticClass()));
  // The report stream form.
  EXPECT_EQ(FindStreamable(QStringLiteral("tTestUnlistedRpt")).Writer(1), &EcrStreamForm::WriteEcrRpt);
}

TEST(Crs3000RomBinding, EveryBoundClassIsListedByARom) {
  // The test's own unlisted class is the only one.
  EXPECT_EQ(Crs3000RomBinding::Unlisted(Crs3000RomBinding::Bound()), QStringList{"tTestUnlistedRpt"});
}

TEST(Crs3000RomBinding, TheRomsListingAClass) {
  EXPECT_EQ(Crs3000RomBinding::RomsListing(tEcrPrgCrs3000MemAllocV225::StaticClass()),
            (QStringList{"0.77 Not Supported", "0.78 through 1.01 Not Supported", "2.18 Not Supported",
                         "2.19 Not Supported", "2.20 Not Supported"}));
  EXPECT_EQ(Crs3000RomBinding::RomsListing(tTestChain0::StaticClass()), QStringList());
  EXPECT_EQ(Crs3000RomBinding::Unlisted({&tEcrPrgCrs3000MemAllocV225::StaticClass(), &tTestCpnDecoder::StaticClass()}),
            QStringList{"tTestCpnDecoder"});
}
} // namespace
