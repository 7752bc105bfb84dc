#include "reports/RptColumns.h"

void AddColumnCaptions(RptBand& band, std::span<const RptColumn> columns, double top) {
  RptFont bold;
  bold.bold = true;
  for (size_t i = 0; i < columns.size(); ++i)
    band.AddLabel(QStringLiteral("Caption%1").arg(i), columns[i].At(top), QString::fromLatin1(columns[i].caption))
        .SetFont(bold)
        .SetAlign(columns[i].align);
}
