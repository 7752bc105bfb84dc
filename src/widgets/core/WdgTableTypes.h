#pragma once
// The table grid's shared enumerations: cell access and alignment, text style, the table's
// options, why the table asks for a cell's data, and the editor's border style.
#include <QFlags>

enum TWdgTblAccess : quint8 { otxDefault, otxNormal, otxReadOnly, otxInvisible };

enum TWdgTblAdjust : quint8 {
  otaDefault, otaTopLeft, otaTopCenter, otaTopRight, otaCenterLeft, otaCenter, otaCenterRight,
  otaBottomLeft, otaBottomCenter, otaBottomRight
};

enum TWdgTextStyle : quint8 { tsFlat, tsRaised, tsLowered };

enum TWdgTblOption : quint16 {
  otoBrowseRow = 0x1, otoNoRowResizing = 0x2, otoNoColResizing = 0x4, otoTabToArrow = 0x8,
  otoEnterToArrow = 0x10, otoAlwaysEditing = 0x20, otoNoSelection = 0x40,
  otoMouseDragSelect = 0x80, otoRowSelection = 0x100, otoColSelection = 0x200,
  otoThumbTrack = 0x400, otoAllowColMoves = 0x800, otoAllowRowMoves = 0x1000
};
Q_DECLARE_FLAGS(TWdgTblOptionSet, TWdgTblOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TWdgTblOptionSet)

// Why the table asks the application for a cell's data.
enum TWdgCellDataPurpose : quint8 {
  cdpPaint, // the cell is about to be painted
  cdpEdit,  // an editor is about to be opened on the cell
  cdpSave   // the editor's text is about to be written into the returned text
};

enum TWdgTblEditorStyle : quint8 { tesPlain, tesBorder, tes3D };

// What a row or column change notification reports.
enum TWdgTblActions : quint8 {
  taLimitChanged, taOneChanged, taAllChanged, taAdded, taDeleted, taExchanged
};
