#pragma once
// The fonts of report designs on this system's fonts. Designs name the families of the
// desktop they were drawn on; a family this system lacks falls back to the generic family
// of the same kind (sans serif, serif or fixed pitch), so the look stays close.
#include "reports/engine/RptPageModel.h"

#include <QFont>

// The font for an item drawn at the zoom (1 = actual size on the device).
QFont RptQFont(const RptFont& font, double zoom = 1.0);
