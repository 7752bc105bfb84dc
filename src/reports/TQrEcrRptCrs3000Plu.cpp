#include "reports/TQrEcrRptCrs3000Plu.h"

#include "model/ZeroSkip.h"
#include "reports/engine/RptFigureText.h"
#include "reports/engine/RptLocale.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000Plu"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000Plu>(); });

const QString kMoney = QStringLiteral("$###,###,###.00");
constexpr double kHeight = 16;

// The columns across the landscape page; a line's value sits under its caption.
struct Column {
  const char* caption;
  const char* field;  // nullptr: worked out, not read
  double left, width;
  RptAlign align;
  const char* mask;
};
enum { kPlu, kSeq, kName, kCount, kAmount, kAverage, kPercent, kPromo, kWaste, kWeight };
const Column kColumns[] = {
    {"PLU #", "PluCode", 8, 110, RptAlign::Left, ""},
    {"Seq. #", "Memory Number", 122, 50, RptAlign::Left, ""},
    {"Descriptor", "Name", 184, 114, RptAlign::Left, ""},
    {"Count", "Count", 300, 80, RptAlign::Right, ""},
    {"Amount", "Total", 384, 110, RptAlign::Right, "$###,###,###.00"},
    {"Average", nullptr, 498, 100, RptAlign::Right, "$###,###,###.00"},
    {"Percentage", nullptr, 612, 90, RptAlign::Right, ""},
    {"Promo", "Promotion", 706, 74, RptAlign::Right, ""},
    {"Waste", "Waste", 784, 74, RptAlign::Right, ""},
    {"Weight", "Weight", 862, 100, RptAlign::Right, ""},
};
QRectF At(int column, double top = 0) { return {kColumns[column].left, top, kColumns[column].width, kHeight}; }

bool PresentNotZero(const RptValue& value) { return !value.IsNull() && value.ToDouble() != 0; }

RptValue Average(const RptValue& total, const RptValue& count) {
  if (count.ToDouble() == 0) return RptValue::Money(0);
  return RptValue::Money(total.ToDouble() / count.ToDouble());
}
} // namespace

TQrEcrRptCrs3000Plu::TQrEcrRptCrs3000Plu() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000Plu")) {
  SetTitle(QStringLiteral("PLU"));
  PageSetup() = RptPageSetup::LetterLandscape().WithMargins(10, 10, 10, 10);
  RptFont bold;
  bold.bold = true;
  RptBand& captions = ColumnHeaderBand1();
  captions.SetFrame(RptFrameBottom);
  for (int i = 0; i <= kWeight; ++i)
    captions.AddLabel(QString::fromLatin1(kColumns[i].caption), At(i, 22), QString::fromLatin1(kColumns[i].caption))
        .SetFont(bold)
        .SetAlign(kColumns[i].align);

  RptBand& line = DetailBand1();
  line.SetHeightPx(18);
  for (int i = 0; i <= kWeight; ++i)
    if (kColumns[i].field)
      line.AddDataText(QString::fromLatin1(kColumns[i].field).remove(u' '), At(i), QString(),
                       QString::fromLatin1(kColumns[i].field), QString::fromLatin1(kColumns[i].mask))
          .SetAlign(kColumns[i].align);
  line.AddComputed(
          QStringLiteral("Average"), At(kAverage),
          [this] { return Average(Master()->Field(QStringLiteral("Total")), Master()->Field(QStringLiteral("Count"))); },
          kMoney)
      .SetAlign(RptAlign::Right);
  line.AddLabel(QStringLiteral("lblPrcnt"), At(kPercent), QString()).SetAlign(RptAlign::Right);
  line.OnBeforePrint([this](RptBand& band, bool& printBand) { DetailBand1BeforePrint(band, printBand); });

  const struct {
    const char* name;
    const char* field;
    int column;
  } sums[] = {{"CountSum", "Count", kCount},        {"TotalSum", "Total", kAmount}, {"PromoSum", "Promotion", kPromo},
              {"WasteSum", "Waste", kWaste},        {"WeightSum", "Weight", kWeight}};
  RptBand& totals = AddBand(RptBandKind::Summary, QStringLiteral("SummaryBand1"), 26);
  for (const auto& sum : sums) {
    const QString name = QString::fromLatin1(sum.name);
    AddFieldSum(name, QString::fromLatin1(sum.field));
    totals.AddComputed(name, At(sum.column, 4), [this, name] { return Sum(name); }, QString::fromLatin1(kColumns[sum.column].mask))
        .SetAlign(RptAlign::Right)
        .SetFrame(RptFrameTop);
  }
  totals.AddComputed(
          QStringLiteral("AverageSum"), At(kAverage, 4),
          [this] { return Average(Sum(QStringLiteral("TotalSum")), Sum(QStringLiteral("CountSum"))); }, kMoney)
      .SetAlign(RptAlign::Right)
      .SetFrame(RptFrameTop);
  totals.OnBeforePrint([this](RptBand&, bool& printBand) { printBand = countSum_ != 0 && totalSum_ != 0; });
  OnBeforePrint([this](RptReport&, bool&) { QrEcrRptCrs3000PluBeforePrint(); });
}

void TQrEcrRptCrs3000Plu::QrEcrRptCrs3000PluBeforePrint() {
  countSum_ = 0;
  totalSum_ = 0;
  grandTotal_ = 0;
  RptRowSource& rows = *Master();
  for (rows.Rewind(); !rows.AtEnd(); rows.Next()) {
    const int64_t total = rows.Field(QStringLiteral("Total")).ToMoney().units;
    if (total > 0) grandTotal_ += total;
  }
}

void TQrEcrRptCrs3000Plu::DetailBand1BeforePrint(RptBand& band, bool& printBand) {
  const RptRowSource& row = *Master();
  const RptValue total = row.Field(QStringLiteral("Total"));
  if (ZeroSkip)
    printBand = PresentNotZero(row.Field(QStringLiteral("Count"))) || PresentNotZero(row.Field(QStringLiteral("Waste"))) ||
                PresentNotZero(total);
  band.FindElement(QStringLiteral("lblPrcnt"))
      ->SetCaption(RptFigureText::SharePercent(total.ToDouble(), RptMoney{grandTotal_}.ToDouble(), RptLocale::Report()));
  countSum_ += row.Field(QStringLiteral("Count")).ToInteger();
  totalSum_ += total.ToMoney().units;
}
