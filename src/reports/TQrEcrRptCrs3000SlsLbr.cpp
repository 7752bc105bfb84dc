#include "reports/TQrEcrRptCrs3000SlsLbr.h"

#include "crs3000/tEcrRptCrs3000SalesLabor.h"
#include "model/ZeroSkip.h"
#include "reports/RptLineTests.h"
#include "reports/RptPeriodRange.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000SlsLbr"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000SlsLbr>(); });

using Figures = TQrEcrRptCrs3000SlsLbr::Figures;
const QStringList kFields{QStringLiteral("Total"), QStringLiteral("Customers"), QStringLiteral("Labor Hours"),
                          QStringLiteral("Labor Cost")};
constexpr double kHeight = 16, kLine = 18;
constexpr double kLeft[] = {16, 250, 400, 560};
constexpr double kWidth[] = {228, 140, 150, 176};
QRectF At(int column, int line) { return {kLeft[column], 2 + line * kLine, kWidth[column], kHeight}; }

double Ratio(double over, double under, double otherwise = 0) { return under != 0 ? over / under : otherwise; }
double Average(const Figures& f) { return Ratio(f.total, f.customers); }
double LaborPercent(const Figures& f) { return f.total != 0 ? f.cost / f.total * 100 : 0; }
// The cost as a fraction of sales times the average sale: the cost per customer, or the
// fraction alone when there are no customers.
double LaborPerCustomer(const Figures& f) { return f.total != 0 ? f.cost / f.total * Ratio(f.total, f.customers, 1) : 0; }
double SalesPerHour(const Figures& f) { return Ratio(f.total, f.hours); }

const QString kMoney = QStringLiteral("$###,###,###.00");
struct Figure {
  int column, line;
  double (*value)(const Figures&);
  const char* mask;        // in the period block
  const char* totalsMask;  // in the totals block
};
const Figure kFigures[] = {
    {1, 0, [](const Figures& f) { return f.customers; }, "", ""},
    {2, 0, [](const Figures& f) { return f.total; }, "$###,###,###.00", "$###,###,###.00"},
    {3, 0, Average, "$###,###,###.00", "$###,###,###.00"},
    {1, 1, [](const Figures& f) { return f.hours; }, "#,###,###.000", "#,###,###.00"},
    {2, 1, [](const Figures& f) { return f.cost; }, "$###,###,###.00", "$###,###,###.00"},
    {3, 1, LaborPercent, "####.0%", "####.0%"},
    {1, 2, LaborPerCustomer, "#,###,###.00", "#,###,###.00"},
    {2, 2, SalesPerHour, "$###,###,###.00", "$###,###,###.00"},
};
const char* const kCaptions[] = {"", "Labor Hours", "Labor/CUST"};  // the first line's is the period or "Totals"
} // namespace

TQrEcrRptCrs3000SlsLbr::TQrEcrRptCrs3000SlsLbr() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000SlsLbr")) {
  SetTitle(QStringLiteral("Sales And Labor"));
  RptFont bold;
  bold.bold = true;
  const std::pair<const char*, QRectF> headings[] = {
      {"Time Period", At(0, 1)}, {"Customers", At(1, 0)}, {"Count", At(1, 1)}, {"Total", At(2, 1)}, {"Average", At(3, 1)}};
  ColumnHeaderBand1().SetHeightPx(2 * kLine + 4).SetFrame(RptFrameBottom);
  int i = 0;
  for (const auto& [caption, rect] : headings)
    ColumnHeaderBand1()
        .AddLabel(QStringLiteral("Caption%1").arg(i++), rect, QString::fromLatin1(caption))
        .SetFont(bold)
        .SetAlign(rect.left() == kLeft[0] ? RptAlign::Left : RptAlign::Right);

  RptBand& block = DetailBand1();
  block.SetHeightPx(3 * kLine + 6);
  block.AddLabel(QStringLiteral("lblName"), At(0, 0), QString());
  AddFigures(block, [this] { return Figures{Master()->Field(kFields[1]).ToDouble(), Master()->Field(kFields[0]).ToDouble(),
                                            Master()->Field(kFields[2]).ToDouble(), Master()->Field(kFields[3]).ToDouble()}; },
             false);
  block.OnBeforePrint([this](RptBand& band, bool& print) {
    if (ZeroSkip && !RptAnyPresentNotZero(*Master(), kFields)) {
      print = false;
      return;
    }
    const int period = int(Master()->Field(QStringLiteral("Memory Number")).ToInteger());
    band.FindElement(QStringLiteral("lblName"))->SetCaption(RptPeriodRange(Source(QStringLiteral("tblDesc")), period));
  });

  for (const QString& field : kFields) AddFieldSum(field, field);
  RptBand& totals = AddBand(RptBandKind::Summary, QStringLiteral("SummaryBand1"), 3 * kLine + 6);
  totals.SetFrame(RptFrameTop);
  totals.AddLabel(QStringLiteral("TotalsCaption"), At(0, 0), QStringLiteral("Totals"));
  AddFigures(totals, [this] { return Figures{Sum(kFields[1]).ToDouble(), Sum(kFields[0]).ToDouble(),
                                             Sum(kFields[2]).ToDouble(), Sum(kFields[3]).ToDouble()}; },
             true);
}

void TQrEcrRptCrs3000SlsLbr::AddFigures(RptBand& band, const std::function<Figures()>& figures, bool totals) {
  RptFont bold;
  bold.bold = true;
  for (int line = 1; line < 3; ++line)
    band.AddLabel(QStringLiteral("Caption%1").arg(line), At(0, line), QString::fromLatin1(kCaptions[line])).SetFont(bold);
  int i = 0;
  for (const Figure& figure : kFigures)
    band.AddComputed(
            QStringLiteral("Figure%1").arg(i++), At(figure.column, figure.line),
            [figures, value = figure.value] { return RptValue::Float(value(figures())); },
            QString::fromLatin1(totals ? figure.totalsMask : figure.mask))
        .SetAlign(RptAlign::Right);
}

void TQrEcrRptCrs3000SlsLbr::BindPrograms(const tEcrRpt& report) {
  tables_.Bind(*this, report, Crs3000FormTables::TimeRange());
}
