#include "SampleReport.h"

#include "reports/engine/RptLocaleFormatter.h"

#include <cmath>

namespace {
const char* const kItems[] = {"Coffee",      "Tea",        "Muffin",   "Bagel",      "Orange Juice",
                              "Water",       "Croissant",  "Sandwich", "Soup of Day", "Salad",
                              "Cookie",      "Brownie",    "Espresso", "Latte",      "Hot Chocolate"};

RptFont Bold(double size = 10) {
  RptFont font;
  font.bold = true;
  font.pointSize = size;
  return font;
}

double WidthPx(const RptPageSetup& setup) { return setup.PrintableMm().width() * kRptPxPerInch / kRptMmPerInch; }
} // namespace

std::optional<RptPageSetup> SamplePaper(const QString& name) {
  if (name == QLatin1String("letter")) return RptPageSetup::LetterPortrait().WithMargins(10, 10, 10, 10);
  if (name == QLatin1String("landscape")) return RptPageSetup::LetterLandscape().WithMargins(9.906, 9.906, 9.906, 9.906);
  if (name == QLatin1String("roll1")) return RptPageSetup::Custom(97.9, 6350).WithMargins(3.81, 10, 10, 10);
  if (name == QLatin1String("roll2")) return RptPageSetup::Custom(101.6, 1549.4).WithMargins(3.81, 10, 10, 10);
  return std::nullopt;
}

std::unique_ptr<SampleReport> MakeSampleReport(const RptPageSetup& setup, int rowCount) {
  auto sample = std::make_unique<SampleReport>();
  sample->rows = RptMemoryRows({"PLU", "Descriptor", "Count", "Total"});
  for (int i = 1; i <= rowCount; ++i) {
    const int count = (i * 37) % 23 + 1;
    sample->rows.Append({RptValue::Integer(1000 + i), RptValue::Text(QString::fromLatin1(kItems[i % 15])),
                         RptValue::Integer(count), RptValue::Money(count * (1.25 + (i % 7) * 0.5))});
  }
  sample->report = std::make_unique<RptReport>(QStringLiteral("SamplePluReport"));
  RptReport& report = *sample->report;
  report.SetTitle(QStringLiteral("Sample PLU Report"));
  report.PageSetup() = setup;
  report.SetMaster(&sample->rows);
  report.SetFormatter(RptLocaleFormatter());
  const double w = WidthPx(setup);
  const double descWidth = w - 56 - 160;

  RptBand& header = report.AddBand(RptBandKind::PageHeader, QStringLiteral("PageHeader"), 20);
  header.AddSystemData(QStringLiteral("DatePrinted"), QRectF(0, 0, w - 70, 16), RptSystemData::DatePrinted,
                       QStringLiteral("Date Printed: "));
  header.AddSystemData(QStringLiteral("PageNumber"), QRectF(w - 70, 0, 70, 16), RptSystemData::PageNumber,
                       QStringLiteral("Page "))
      .SetAlign(RptAlign::Right);

  RptBand& title = report.AddBand(RptBandKind::Title, QStringLiteral("Title"), 40);
  title.AddSystemData(QStringLiteral("TitleText"), QRectF(0, 4, w, 30), RptSystemData::Title)
      .SetAlign(RptAlign::Center)
      .SetFont(Bold(18));

  RptBand& columns = report.AddBand(RptBandKind::ColumnHeader, QStringLiteral("ColumnHeader"), 22);
  columns.SetFrame(RptFrameBottom);
  columns.AddLabel(QStringLiteral("PluCaption"), QRectF(0, 2, 50, 16), QStringLiteral("PLU")).SetFont(Bold());
  columns.AddLabel(QStringLiteral("DescCaption"), QRectF(56, 2, descWidth, 16), QStringLiteral("Descriptor"))
      .SetFont(Bold());
  columns.AddLabel(QStringLiteral("CountCaption"), QRectF(w - 160, 2, 60, 16), QStringLiteral("Count"))
      .SetFont(Bold())
      .SetAlign(RptAlign::Right);
  columns.AddLabel(QStringLiteral("TotalCaption"), QRectF(w - 96, 2, 96, 16), QStringLiteral("Total"))
      .SetFont(Bold())
      .SetAlign(RptAlign::Right);

  RptBand& detail = report.AddBand(RptBandKind::Detail, QStringLiteral("Detail"), 16);
  detail.AddDataText(QStringLiteral("Plu"), QRectF(0, 0, 50, 16), QString(), QStringLiteral("PLU"));
  detail.AddDataText(QStringLiteral("Desc"), QRectF(56, 0, descWidth, 16), QString(), QStringLiteral("Descriptor"));
  detail.AddDataText(QStringLiteral("Count"), QRectF(w - 160, 0, 60, 16), QString(), QStringLiteral("Count"))
      .SetAlign(RptAlign::Right);
  detail.AddDataText(QStringLiteral("Total"), QRectF(w - 96, 0, 96, 16), QString(), QStringLiteral("Total"))
      .SetAlign(RptAlign::Right);

  report.AddFieldSum(QStringLiteral("CountSum"), QStringLiteral("Count"));
  report.AddFieldSum(QStringLiteral("TotalSum"), QStringLiteral("Total"));
  RptBand& summary = report.AddBand(RptBandKind::Summary, QStringLiteral("Summary"), 26);
  summary.SetFrame(RptFrameTop);
  summary.AddLabel(QStringLiteral("TotalsCaption"), QRectF(0, 6, 100, 16), QStringLiteral("Totals")).SetFont(Bold());
  RptReport* owner = &report;
  summary.AddComputed(QStringLiteral("CountTotal"), QRectF(w - 160, 6, 60, 16),
                      [owner] { return owner->Sum(QStringLiteral("CountSum")); })
      .SetAlign(RptAlign::Right)
      .SetFont(Bold());
  summary.AddComputed(QStringLiteral("GrandTotal"), QRectF(w - 96, 6, 96, 16),
                      [owner] { return owner->Sum(QStringLiteral("TotalSum")); })
      .SetAlign(RptAlign::Right)
      .SetFont(Bold());
  return sample;
}
