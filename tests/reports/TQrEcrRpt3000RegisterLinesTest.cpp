// The header's register lines with every register's bits set in real status bytes: the
// longest lines the header prints must fit their boxes, on the page and in the PDF.
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000TimePeriod.h"

namespace {
using RegisterLinesOfHeader = SynthFormFixture;
}  // namespace

TEST_F(RegisterLinesOfHeader, AllTwentyFourRegistersFitTheirBoxes) {
  auto& period = AddReport<tEcrRptCrs3000TimePeriod>();
  SynthRequest request;
  request.report = QStringLiteral("timeperiod");
  request.records = 1;
  // '7' is 0x37: in range, pre-polled and previous Z for each of the 24 registers.
  request.header.append({QStringLiteral("Misc Data 1"), QString(24, u'7')});
  const std::optional<RptPageModel> model = Generate(period, Decode(period, request), false);
  ASSERT_TRUE(model);
  QString full;
  for (int n = 1; n <= 24; ++n) full += QStringLiteral("%1").arg(n, 3);
  int shown = 0;
  for (const RptItem& item : model->pages.value(0).items) shown += item.text == full;
  EXPECT_EQ(shown, 3);
  EXPECT_EQ(Overflowing(*model), "");
}
