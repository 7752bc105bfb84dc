#include "reports/TQrEcrRptCrs3000TimePrd.h"

#include "crs3000/tEcrRptCrs3000TimePeriod.h"
#include "model/ZeroSkip.h"
#include "reports/RptLineTests.h"
#include "reports/RptPeriodRange.h"
#include "reports/RptColumns.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000TimePrd"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000TimePrd>(); });

const QString kMoney = QStringLiteral("$###,###,###.00");
const QString kCustomer = QStringLiteral("Customer");
const QString kTotal = QStringLiteral("Total");
constexpr double kHeight = 16;

const RptColumn kColumns[] = {{"Descriptor", 16, 240, RptAlign::Left},
                           {"Customer", 266, 120, RptAlign::Right},
                           {"Amount", 396, 160, RptAlign::Right},
                           {"Average", 566, 170, RptAlign::Right}};
QRectF At(int column, double top = 0) { return kColumns[column].At(top, kHeight); }

RptValue Average(const RptValue& total, const RptValue& customers) {
  return RptValue::Money(customers.ToDouble() != 0 ? total.ToDouble() / customers.ToDouble() : 0);
}
} // namespace

TQrEcrRptCrs3000TimePrd::TQrEcrRptCrs3000TimePrd() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000TimePrd")) {
  SetTitle(QStringLiteral("Time Period"));
  // The transaction number reads no data set here: a source no one binds is empty.
  TitleBand1().FindElement(QStringLiteral("dbTransNum"))->SetField(QStringLiteral("(none)"), QString());
  ColumnHeaderBand1().SetFrame(RptFrameBottom);
  AddColumnCaptions(ColumnHeaderBand1(), kColumns, 20);

  RptBand& line = DetailBand1();
  line.SetHeightPx(18);
  line.AddLabel(QStringLiteral("lblName"), At(0), QString());
  line.AddDataText(kCustomer, At(1), QString(), kCustomer).SetAlign(RptAlign::Right);
  line.AddDataText(kTotal, At(2), QString(), kTotal, kMoney).SetAlign(RptAlign::Right);
  line.AddComputed(QStringLiteral("Average"), At(3), [this] { return Average(Master()->Field(kTotal), Master()->Field(kCustomer)); }, kMoney)
      .SetAlign(RptAlign::Right);
  line.OnBeforePrint([this](RptBand& band, bool& print) {
    const int period = int(Master()->Field(QStringLiteral("Memory Number")).ToInteger());
    band.FindElement(QStringLiteral("lblName"))->SetCaption(RptPeriodRange(Source(QStringLiteral("tblDesc")), period));
    if (ZeroSkip) print = RptAnyPresentNotZero(*Master(), {kCustomer, kTotal});
  });

  AddFieldSum(QStringLiteral("CustomerSum"), kCustomer);
  AddFieldSum(QStringLiteral("TotalSum"), kTotal);
  RptBand& totals = AddBand(RptBandKind::Summary, QStringLiteral("SummaryBand1"), 24);
  totals.SetFrame(RptFrameTop);
  totals.AddComputed(QStringLiteral("CustomerTotal"), At(1, 4), [this] { return Sum(QStringLiteral("CustomerSum")); })
      .SetAlign(RptAlign::Right);
  totals.AddComputed(QStringLiteral("AmountTotal"), At(2, 4), [this] { return Sum(QStringLiteral("TotalSum")); }, kMoney)
      .SetAlign(RptAlign::Right);
  totals.AddComputed(
          QStringLiteral("AverageTotal"), At(3, 4),
          [this] { return Average(Sum(QStringLiteral("TotalSum")), Sum(QStringLiteral("CustomerSum"))); }, kMoney)
      .SetAlign(RptAlign::Right);
}

void TQrEcrRptCrs3000TimePrd::BindPrograms(const tEcrRpt& report) {
  tables_.Bind(*this, report, Crs3000FormTables::TimeRange());
}
