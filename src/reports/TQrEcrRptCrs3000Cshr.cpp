#include "reports/TQrEcrRptCrs3000Cshr.h"

#include "model/ZeroSkip.h"
#include "reports/RptCshrLines.h"
#include "reports/RptLineTests.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kCashier(QStringLiteral("TQrEcrRptCrs3000Cshr"), [] { return std::make_unique<TQrEcrRptCrs3000Cshr>(false); });
const RptReportRegistration kDayShift(QStringLiteral("TQrEcrRptCrs3000DayShift"),
                                      [] { return std::make_unique<TQrEcrRptCrs3000Cshr>(true); });

const QString kMoney = QStringLiteral("$###,###,###.00");
const RptFont kBold{QStringLiteral("Sans Serif"), 10, true, false};
const RptFont kLineFont{QStringLiteral("Sans Serif"), 10, false, false};

struct HeaderText {
  const char* name;
  double left, top, width;
  const char* text;  // a label's caption, or a data text's field
  bool data;
  RptAlign align = RptAlign::Left;
};
const HeaderText kCashierHeader[] = {
    {"lblCashierNum", 9, 3, 100, "Cashier Num", false}, {"lblCashierName", 113, 3, 150, "Cashier Name", false},
    {"lblCount", 330, 3, 60, "Count", false},           {"lblAmount", 450, 3, 70, "Amount", false},
    {"lblAverage", 606, 3, 70, "Average", false},       {"dbMemoryNumber", 9, 31, 55, "Memory Number", true, RptAlign::Right},
    {"dbName", 113, 31, 150, "Name", true},
};
const HeaderText kShiftHeader[] = {
    {"lblDayShiftNum", 18, 3, 120, "Day Shift Num", false}, {"lblCount", 350, 14, 60, "Count", false},
    {"lblAmount", 480, 14, 70, "Amount", false},           {"lblAverage", 626, 14, 70, "Average", false},
    {"dbDayShiftId", 18, 23, 92, "Day Shift Id", true},
};

// The averages of the cashier's last lines: a numerator over a denominator, 0 over none,
// printing by the test of the line given.
struct Average {
  const char* band;
  const char* numerator;
  const char* denominator;
  const char* testedLike;
};
const Average kAverages[] = {{"ChildBand1", "Item Sales Total", "Item Sales Count", "qrbItemSales"},
                             {"ChildBand2", "Item Sales Count", "Customers Count", "qrbCustomer"},
                             {"ChildBand3", "Net Sales Total", "Customers Count", "qrbCustomer"}};

RptLineLayout Layout(bool dayShift) {
  RptLineLayout layout;
  layout.height = 25;
  layout.captionLeft = 114;
  layout.captionWidth = 150;
  layout.countLeft = 270;
  layout.amountLeft = dayShift ? 420 : 400;
  layout.averageLeft = dayShift ? 570 : 556;
  layout.valueWidth = 120;
  layout.totalMask = layout.averageMask = kMoney;
  return layout;
}

int IndexOfBand(const QList<RptLineSpec>& lines, const char* band) {
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].band == QLatin1String(band)) return i;
  return 0;
}
} // namespace

TQrEcrRptCrs3000Cshr::TQrEcrRptCrs3000Cshr(bool dayShift)
    : TQrEcrRpt3000(dayShift ? QStringLiteral("TQrEcrRptCrs3000DayShift") : QStringLiteral("TQrEcrRptCrs3000Cshr")),
      dayShift_(dayShift) {
  SetTitle(dayShift ? QStringLiteral("Day Shift") : QStringLiteral("Cashier Report"));
  ColumnHeaderBand1().SetHeightPx(0);
  AddHeader(dayShift);
  chain_ = std::make_unique<RptLineChain>(*this, DetailBand1(), dayShift ? RptCshrLines::DayShift() : RptCshrLines::Cashier(),
                                          Layout(dayShift), QString(),
                                          [this](const RptLineSpec& line) { return programs_.GroupPrints(line.number); });
  if (!dayShift) AddAverages();
  OnBeforePrint([this](RptReport&, bool&) { chain_->SetCaptions(programs_.Programs()); });
}

void TQrEcrRptCrs3000Cshr::BindPrograms(const tEcrRpt& report) { programs_.Bind(report, !dayShift_); }

void TQrEcrRptCrs3000Cshr::AddHeader(bool dayShift) {
  RptBand& header = DetailBand1();
  header.SetHeightPx(dayShift ? 45 : 56);
  for (const HeaderText& text : dayShift ? std::span<const HeaderText>(kShiftHeader) : std::span<const HeaderText>(kCashierHeader)) {
    const QRectF rect(text.left, text.top, text.width, 16);
    RptElement& element = text.data ? header.AddDataText(QString::fromLatin1(text.name), rect, QString(), QString::fromLatin1(text.text))
                                    : header.AddLabel(QString::fromLatin1(text.name), rect, QString::fromLatin1(text.text));
    element.SetFont(kBold).SetAlign(text.align);
    if (!text.data) element.SetFrame(RptFrameBottom);
  }
  header.OnBeforePrint([this](RptBand&, bool& print) { print = !ZeroSkip || AnyFigure(); });
}

// The header's test: the fields of the lines (the cashier's averages read only these).
bool TQrEcrRptCrs3000Cshr::AnyFigure() const {
  const RptRowSource& row = Source(QString());
  for (const RptLineSpec& line : chain_->Lines())
    if ((!line.count.isEmpty() && RptLineTests::PresentNotZero(row, line.count)) ||
        (!line.total.isEmpty() && RptLineTests::PresentNotZero(row, line.total)))
      return true;
  return false;
}

void TQrEcrRptCrs3000Cshr::AddAverages() {
  const QList<RptLineSpec>& lines = chain_->Lines();
  // The G.C. change prints the money field's own display.
  chain_->BandOf(IndexOfBand(lines, "QRChildBand1")).FindElement(QStringLiteral("QRChildBand1Amount"))->SetMask(QString());
  const RptLineLayout layout = Layout(false);
  for (const Average& average : kAverages) {
    RptBand& band = chain_->BandOf(IndexOfBand(lines, average.band));
    const QString numerator = QString::fromLatin1(average.numerator), denominator = QString::fromLatin1(average.denominator);
    band.AddComputed(QString::fromLatin1(average.band) + QStringLiteral("Average"), {layout.averageLeft, 2, layout.valueWidth, 16},
                     [this, numerator, denominator] {
                       const RptRowSource& row = Source(QString());
                       const double under = row.Field(denominator).ToDouble();
                       const RptValue over = row.Field(numerator);
                       return RptValue::Money(under != 0 && !over.IsNull() ? over.ToDouble() / under : 0.0);
                     },
                     kMoney)
        .SetAlign(RptAlign::Right)
        .SetFont(kLineFont);
    const RptLineSpec tested = lines[IndexOfBand(lines, average.testedLike)];
    band.OnBeforePrint([this, tested](RptBand&, bool& print) { print = RptLineTests::Prints(tested, Source(QString()), ZeroSkip); });
  }
}
