#include "comm/session/CommLogListingReport.h"

#include "comm/session/CommLogListing.h"
#include "comm/session/CommLogTable.h"

#include <iterator>

namespace {
// The share of the printable width each of the nine columns takes.
constexpr double kColumnShares[] = {0.07, 0.11, 0.13, 0.07, 0.09, 0.11, 0.17, 0.17, 0.08};
// In form pixels: a header and rows of a height that put 54 rows on a letter page within
// margins of 10 mm.
constexpr double kHeaderHeight = 60;
constexpr double kRowHeight = 17;
constexpr double kHeadingsTop = 46;
constexpr double kTextHeight = 14;

RptFont Font(double points, bool bold = false) {
  RptFont font;
  font.pointSize = points;
  font.bold = bold;
  return font;
}

QList<QList<RptValue>> Values(const QList<QStringList>& rows) {
  QList<QList<RptValue>> values;
  for (const QStringList& row : rows) {
    QList<RptValue> cells;
    for (const QString& cell : row) cells << RptValue::Text(cell);
    values << cells;
  }
  return values;
}
} // namespace

TCommLogListingReport::TCommLogListingReport(const QList<QStringList>& rows, const QString& printedAt)
    : RptReport(QStringLiteral("CommLogListing")), rows_(CommLogTable::GridFields(), Values(rows)) {
  static_assert(std::size(kColumnShares) == 9);
  SetTitle(QStringLiteral("Log Table"));
  PageSetup() = RptPageSetup::LetterPortrait().WithMargins(10, 10, 10, 10);
  SetMaster(&rows_);
  const double width = PageSetup().PrintableMm().width() * kRptPxPerInch / kRptMmPerInch;

  RptBand& header = AddBand(RptBandKind::PageHeader, QStringLiteral("PageHeader"), kHeaderHeight);
  header.AddSystemData(QStringLiteral("Title"), {0, 0, width, 30}, RptSystemData::Title)
      .SetFont(Font(20))
      .SetAlign(RptAlign::Center);
  header.AddLabel(QStringLiteral("PrintedAt"), {0, 32, width / 2, 13}, printedAt).SetFont(Font(8));
  header.AddSystemData(QStringLiteral("PageNumber"), {width / 2, 32, width / 2, 13}, RptSystemData::PageNumber,
                       QStringLiteral("Page "))
      .SetFont(Font(8))
      .SetAlign(RptAlign::Right);
  RptBand& row = AddBand(RptBandKind::Detail, QStringLiteral("Row"), kRowHeight);
  const QStringList& headings = CommLogListing::Headings();
  const QStringList& fields = CommLogTable::GridFields();
  double x = 0;
  for (int i = 0; i < int(std::size(kColumnShares)); ++i) {
    const double cell = width * kColumnShares[i];
    header.AddLabel(QStringLiteral("Heading%1").arg(i + 1), {x, kHeadingsTop, cell - 2, kTextHeight}, headings.value(i))
        .SetFont(Font(8, true));
    row.AddDataText(fields.value(i), {x, 2, cell - 2, kTextHeight}, QString(), fields.value(i)).SetFont(Font(8));
    x += cell;
  }
}
