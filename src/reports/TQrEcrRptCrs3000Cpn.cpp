#include "reports/TQrEcrRptCrs3000Cpn.h"

#include "model/ZeroSkip.h"
#include "reports/RptColumns.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000Cpn"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000Cpn>(); });

const QString kMoney = QStringLiteral("$###,###,###.00");
constexpr double kHeight = 16;

const RptColumn kColumns[] = {{"Memory Number", 16, 130, RptAlign::Left}, {"Descriptor", 156, 150, RptAlign::Left},
                           {"Count", 316, 80, RptAlign::Right},         {"Amount", 406, 120, RptAlign::Right},
                           {"Average", 540, 120, RptAlign::Right}};
QRectF At(int column, double top = 0) { return kColumns[column].At(top, kHeight); }

bool PresentNotZero(const RptValue& value) { return !value.IsNull() && value.ToDouble() != 0; }
} // namespace

TQrEcrRptCrs3000Cpn::TQrEcrRptCrs3000Cpn() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000Cpn")) {
  SetTitle(QStringLiteral("Coupon"));
  RptFont bold;
  bold.bold = true;
  for (int i = 0; i < 5; ++i)
    ColumnHeaderBand1()
        .AddLabel(QString::fromLatin1(kColumns[i].caption), At(i, 20), QString::fromLatin1(kColumns[i].caption))
        .SetFont(bold)
        .SetAlign(kColumns[i].align);
  RptBand& line = DetailBand1();
  line.SetHeightPx(18);
  line.AddDataText(QStringLiteral("MemoryNumber"), At(0), QString(), QStringLiteral("Memory Number"));
  line.AddDataText(QStringLiteral("Name"), At(1), QString(), QStringLiteral("Name"));
  line.AddDataText(QStringLiteral("Count"), At(2), QString(), QStringLiteral("Count")).SetAlign(RptAlign::Right);
  line.AddDataText(QStringLiteral("Total"), At(3), QString(), QStringLiteral("Total"), kMoney).SetAlign(RptAlign::Right);
  line.AddComputed(
          QStringLiteral("Average"), At(4),
          [this] {
            const RptValue count = Master()->Field(QStringLiteral("Count"));
            if (count.ToDouble() == 0) return RptValue::Money(0);
            return RptValue::Money(Master()->Field(QStringLiteral("Total")).ToDouble() / count.ToDouble());
          },
          kMoney)
      .SetAlign(RptAlign::Right);
  line.OnBeforePrint([this](RptBand&, bool& print) {
    if (ZeroSkip)
      print = PresentNotZero(Master()->Field(QStringLiteral("Count"))) || PresentNotZero(Master()->Field(QStringLiteral("Total")));
    linePrinted_ = linePrinted_ || print;
  });
  AddFieldSum(QStringLiteral("CountSum"), QStringLiteral("Count"));
  AddFieldSum(QStringLiteral("TotalSum"), QStringLiteral("Total"));
  RptBand& totals = AddBand(RptBandKind::Summary, QStringLiteral("SummaryBand1"), 24);
  totals.AddLabel(QStringLiteral("TotalCaption"), {156, 4, 150, kHeight}, QStringLiteral("Total:")).SetFont(bold);
  totals.AddComputed(QStringLiteral("CountTotal"), At(2, 4), [this] { return Sum(QStringLiteral("CountSum")); })
      .SetAlign(RptAlign::Right);
  totals.AddComputed(QStringLiteral("AmountTotal"), At(3, 4), [this] { return Sum(QStringLiteral("TotalSum")); }, kMoney)
      .SetAlign(RptAlign::Right);
  totals.OnBeforePrint([this](RptBand&, bool& print) { print = linePrinted_; });
  OnBeforePrint([this](RptReport&, bool&) { linePrinted_ = false; });
}
