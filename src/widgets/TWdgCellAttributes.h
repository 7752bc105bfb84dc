#pragma once
// What one cell is painted with: access, alignment, colours, font and text style. The cell
// component fills it and the table refines it for the active, selected and locked cells.
#include "widgets/core/WdgTableTypes.h"

#include <QColor>
#include <QFont>

struct TWdgCellAttributes {
  TWdgTblAccess caAccess = otxDefault;
  TWdgTblAdjust caAdjust = otaDefault;
  QColor caColor;
  QFont caFont;
  QColor caFontColor;
  QColor caFontHiColor;
  TWdgTextStyle caTextStyle = tsFlat;
};
