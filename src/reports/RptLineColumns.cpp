#include "reports/RptLineColumns.h"

#include "reports/RptLineChain.h"
#include "reports/engine/RptBand.h"

void RptLineColumns::Add(RptBand& band, const RptLineLayout& layout, const QStringList& captions, double top) {
  const double lefts[] = {layout.captionLeft, layout.countLeft, layout.amountLeft, layout.averageLeft};
  const RptFont bold{QStringLiteral("Sans Serif"), 10, true, false};
  for (int i = 0; i < captions.size() && i < 4; ++i)
    band.AddLabel(QStringLiteral("lblColumn%1").arg(i + 1), {lefts[i], top, i == 0 ? layout.captionWidth : layout.valueWidth, 16},
                  captions[i])
        .SetFont(bold)
        .SetAlign(i == 0 ? RptAlign::Left : RptAlign::Right);
}
