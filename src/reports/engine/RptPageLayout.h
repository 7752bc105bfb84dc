#pragma once
// A report's paper as Qt's page layout: the exact size (a standard size when it is one, so a
// printer picks the right tray), the orientation and the margins, in full-page mode so that
// the paint origin is the paper's corner, where the page model measures from.
#include "reports/engine/RptPageModel.h"

#include <QPageLayout>

QPageLayout RptPageLayoutOf(const RptPageSetup& setup);
