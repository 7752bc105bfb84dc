#include "reports/TQrEcrRpt3000Listing.h"

#include <algorithm>

namespace {
constexpr double kTextHeight = 16;
constexpr double kCaptionTop = 22;
} // namespace

TQrEcrRpt3000Listing::TQrEcrRpt3000Listing(const QString& name, const QString& title,
                                           std::span<const RptListingColumn> columns, double lineHeightPx)
    : TQrEcrRpt3000(name) {
  SetTitle(title);
  RptFont bold;
  bold.bold = true;
  RptBand& line = DetailBand1();
  line.SetHeightPx(lineHeightPx);
  for (const RptListingColumn& column : columns) {
    const QString caption = QString::fromLatin1(column.caption);
    const QString field = QString::fromLatin1(column.field);
    ColumnHeaderBand1()
        .AddLabel(caption, {column.left, kCaptionTop, column.width, kTextHeight}, caption)
        .SetFont(bold)
        .SetAlign(column.align);
    line.AddDataText(QString(field).remove(u' '), {column.left, 0, column.width, std::min(kTextHeight, lineHeightPx)},
                     QString(), field, QString::fromLatin1(column.mask))
        .SetAlign(column.align);
  }
}
