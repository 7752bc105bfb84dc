#include "reports/TQrEcrRpt3000GroupList.h"

#include "model/ZeroSkip.h"
#include "reports/RptLineTests.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
using Design = TQrEcrRpt3000GroupList::Design;
const Design kDesigns[] = {{"TQrEcrRptCrs3000MjrGrp", "Major Group", "Group Number", false},
                           {"TQrEcrRptCrs3000SubGrp", "Sub Group", "Number", true}};

const RptReportRegistration kMajor(QString::fromLatin1(kDesigns[0].formClass),
                                   [] { return std::make_unique<TQrEcrRpt3000GroupList>(kDesigns[0]); });
const RptReportRegistration kSub(QString::fromLatin1(kDesigns[1].formClass),
                                 [] { return std::make_unique<TQrEcrRpt3000GroupList>(kDesigns[1]); });

const QString kMoney = QStringLiteral("$###,###,###.00");
const QString kCount = QStringLiteral("Count");
const QString kTotal = QStringLiteral("Total");
constexpr double kHeight = 16;

struct Column {
  const char* caption;  // the first column's caption is the design's
  const char* field;    // "" for the average
  double left, width;
  RptAlign align;
};
// Wide enough for "Group Number" and for the sums of a whole register's groups at their
// largest (eleven-digit counts, "-$1,999,999,999.98").
const Column kColumns[] = {{"", "Memory Number", 16, 112, RptAlign::Left},   {"Descriptor", "Name", 132, 128, RptAlign::Left},
                           {"Count", "Count", 262, 96, RptAlign::Right},       {"Amount", "Total", 362, 140, RptAlign::Right},
                           {"Average", "", 506, 110, RptAlign::Right},         {"Weight", "Weight", 620, 106, RptAlign::Right}};
QRectF At(int column, double top = 0) { return {kColumns[column].left, top, kColumns[column].width, kHeight}; }

RptValue Average(const RptValue& total, const RptValue& count) {
  return RptValue::Money(count.ToDouble() == 0 ? 0 : total.ToDouble() / count.ToDouble());
}
} // namespace

TQrEcrRpt3000GroupList::TQrEcrRpt3000GroupList(const Design& design) : TQrEcrRpt3000(QString::fromLatin1(design.formClass)) {
  SetTitle(QString::fromLatin1(design.title));
  RptFont bold;
  bold.bold = true;
  RptBand& header = ColumnHeaderBand1();
  header.SetFrame(RptFrameBottom);
  RptBand& line = DetailBand1();
  line.SetHeightPx(18);
  for (int i = 0; i < 6; ++i) {
    const Column& column = kColumns[i];
    const QString caption = QString::fromLatin1(i == 0 ? design.numberCaption : column.caption);
    header.AddLabel(QStringLiteral("Caption%1").arg(i), At(i, 20), caption).SetFont(bold).SetAlign(column.align);
    const QString field = QString::fromLatin1(column.field);
    if (field.isEmpty())
      line.AddComputed(QStringLiteral("Average"), At(i), [this] { return Average(Master()->Field(kTotal), Master()->Field(kCount)); }, kMoney)
          .SetAlign(column.align);
    else
      line.AddDataText(field, At(i), QString(), field, field == kTotal ? kMoney : QString()).SetAlign(column.align);
  }
  line.OnBeforePrint([this](RptBand&, bool& print) {
    if (ZeroSkip) print = RptAnyPresentNotZero(*Master(), {kCount, kTotal});
    countSum_ += Master()->Field(kCount).ToInteger();
    totalUnits_ += Master()->Field(kTotal).ToMoney().units;
  });
  AddFieldSum(QStringLiteral("CountSum"), kCount);
  AddFieldSum(QStringLiteral("TotalSum"), kTotal);
  RptBand& totals = AddBand(RptBandKind::Summary, QStringLiteral("SummaryBand1"), 24);
  totals.SetFrame(RptFrameTop);
  totals.AddComputed(QStringLiteral("CountTotal"), At(2, 4), [this] { return Sum(QStringLiteral("CountSum")); })
      .SetAlign(RptAlign::Right);
  totals.AddComputed(QStringLiteral("AmountTotal"), At(3, 4), [this] { return Sum(QStringLiteral("TotalSum")); }, kMoney)
      .SetAlign(RptAlign::Right);
  totals.AddComputed(
          QStringLiteral("AverageTotal"), At(4, 4),
          [this] { return Average(Sum(QStringLiteral("TotalSum")), Sum(QStringLiteral("CountSum"))); }, kMoney)
      .SetAlign(RptAlign::Right);
  if (design.sumsWeight) {
    AddFieldSum(QStringLiteral("WeightSum"), QStringLiteral("Weight"));
    totals.AddComputed(QStringLiteral("WeightTotal"), At(5, 4), [this] { return Sum(QStringLiteral("WeightSum")); })
        .SetAlign(RptAlign::Right);
  }
  totals.OnBeforePrint([this](RptBand&, bool& print) { print = countSum_ != 0 && totalUnits_ != 0; });
  OnBeforePrint([this](RptReport&, bool&) { countSum_ = 0, totalUnits_ = 0; });
}
