#include "reports/TQrEcrRptCrs3000PMix.h"

#include "crs3000/tEcrRptCrs3000ProductMix.h"
#include "model/ZeroSkip.h"
#include "reports/RptLineTests.h"
#include "reports/RptPeriodRange.h"
#include "reports/RptColumns.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000PMix"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000PMix>(); });

const QString kMoney = QStringLiteral("$###,###,###.00");
constexpr double kHeight = 16;

const RptColumn kColumns[] = {{"Memory", 16, 90, RptAlign::Left},  {"Descriptor", 116, 200, RptAlign::Left},
                           {"Count", 326, 90, RptAlign::Right}, {"Amount", 426, 130, RptAlign::Right},
                           {"Average", 566, 110, RptAlign::Right}};
QRectF At(int column, double top = 0) { return kColumns[column].At(top, kHeight); }

QString PeriodField(int period, const char* figure) {
  return QStringLiteral("Time Period %1 %2").arg(RptTwoDigits(period), QLatin1String(figure));
}
} // namespace

TQrEcrRptCrs3000PMix::TQrEcrRptCrs3000PMix() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000PMix")) {
  SetTitle(QStringLiteral("Product Mix"));
  ColumnHeaderBand1().SetHeightPx(0);
  RptFont bold;
  bold.bold = true;
  RptBand& heading = DetailBand1();
  heading.SetHeightPx(56);
  AddColumnCaptions(heading, kColumns, 4);
  heading.AddLabel(QStringLiteral("CaptionNumber"), At(0, 20), QStringLiteral("Number")).SetFont(bold);
  heading.AddDataText(QStringLiteral("MemoryNumber"), At(0, 38), QString(), QStringLiteral("Memory Number"));
  heading.AddDataText(QStringLiteral("Name"), At(1, 38), QString(), QStringLiteral("Name"));
  RptBand& pieces = AddChild(heading, QStringLiteral("ChildBand1"), 18);
  pieces.AddLabel(QStringLiteral("PiecesCaption"), At(1), QStringLiteral("Pieces"));
  pieces.AddDataText(QStringLiteral("Pieces"), At(2), QString(), QStringLiteral("Pieces")).SetAlign(RptAlign::Right);
  pieces.OnBeforePrint([this](RptBand&, bool& print) {
    if (ZeroSkip) print = RptPresentNotZero(Master()->Field(QStringLiteral("Pieces")));
  });
  for (int period = 1; period <= kPeriods; ++period) AddPeriodLine(heading, period);
  OnBeforePrint([this](RptReport&, bool&) {
    for (int period = 1; period <= kPeriods; ++period)
      Element(QStringLiteral("Prd%1").arg(period)).SetCaption(RptPeriodRange(Source(QStringLiteral("tblDesc")), period));
  });
}

void TQrEcrRptCrs3000PMix::BindPrograms(const tEcrRpt& report) {
  const auto* mix = dynamic_cast<const tEcrRptCrs3000ProductMix*>(&report);
  tables_.Bind(*this, report, mix ? mix->FormTables() : Crs3000FormTables::TimeRange());
}

void TQrEcrRptCrs3000PMix::AddPeriodLine(RptBand& heading, int period) {
  RptBand& line = AddChild(heading, QStringLiteral("ChildBand%1").arg(period + 1), 18);
  line.SetTag(period);
  line.AddLabel(QStringLiteral("Prd%1").arg(period), At(1), QStringLiteral("Time Period %1").arg(RptTwoDigits(period)));
  const QString count = PeriodField(period, "Count");
  const QString total = PeriodField(period, "Total");
  line.AddDataText(QStringLiteral("Count%1").arg(period), At(2), QString(), count).SetAlign(RptAlign::Right);
  line.AddDataText(QStringLiteral("Total%1").arg(period), At(3), QString(), total, kMoney).SetAlign(RptAlign::Right);
  line.AddComputed(
          QStringLiteral("Average%1").arg(period), At(4),
          [this, count, total] {
            const double n = Master()->Field(count).ToDouble();
            return RptValue::Money(n == 0 ? 0 : Master()->Field(total).ToDouble() / n);
          },
          QStringLiteral("###.00"))
      .SetAlign(RptAlign::Right);
  line.OnBeforePrint([this](RptBand& band, bool& print) { PeriodBeforePrint(band, print); });
}

void TQrEcrRptCrs3000PMix::PeriodBeforePrint(RptBand& band, bool& print) {
  const int period = band.Tag();
  if (ZeroSkip) print = RptAnyPresentNotZero(*Master(), {PeriodField(period, "Count"), PeriodField(period, "Total")});
  const QString unused = RptPeriodRange(RptNoRows(), 1);
  if (period > 12 && Element(QStringLiteral("Prd%1").arg(period)).Caption() == unused) print = false;
}
