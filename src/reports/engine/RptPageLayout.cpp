#include "reports/engine/RptPageLayout.h"

#include <QPageSize>

QPageLayout RptPageLayoutOf(const RptPageSetup& setup) {
  const bool landscape = setup.Landscape();
  // The page size is given upright; landscape turns it.
  const QSizeF upright = landscape ? setup.sizeMm.transposed() : setup.sizeMm;
  QPageSize size(upright, QPageSize::Millimeter);
  if (!size.isValid() || (size.id() == QPageSize::Custom))
    size = QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
  QPageLayout layout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     setup.marginsMm, QPageLayout::Millimeter);
  layout.setMode(QPageLayout::FullPageMode);
  return layout;
}
