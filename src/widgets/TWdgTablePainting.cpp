// The table grid: how its cells, lines and frames are painted.
#include "widgets/TWdgTable.h"

#include "widgets/TWdgBaseTableCell.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>

void TWdgTable::ResolveCellAttributes(int row, int col, TWdgCellAttributes& attrs) const {
  const TWdgCellOverride own = cells_.GetAttributes(row, col);
  if (own.Access != otxDefault) attrs.caAccess = own.Access;
  if (attrs.caAccess == otxDefault) attrs.caAccess = access_;
  if (own.Adjust != otaDefault) attrs.caAdjust = own.Adjust;
  if (attrs.caAdjust == otaDefault) attrs.caAdjust = adjust_;
  if (own.Font) attrs.caFont = *own.Font;
  const bool focused = TableHasFocus();
  const bool locked = row < lockedRows_ || col < lockedCols_;
  const bool active = !locked && row == ActiveRow() && col == ActiveCol();
  if (active) {
    if (focused && (IsEditing() || (options_ & otoAlwaysEditing && attrs.caAccess == otxNormal))) {
      attrs.caColor = colors_.Editing;
      attrs.caFontColor = colors_.EditingText;
    } else {
      attrs.caColor = focused ? colors_.ActiveFocused : colors_.ActiveUnfocused;
      attrs.caFontColor = focused ? colors_.ActiveFocusedText : colors_.ActiveUnfocusedText;
    }
  } else if (!locked && options_ & otoBrowseRow && row == ActiveRow()) {
    attrs.caColor = focused ? colors_.ActiveFocused : colors_.ActiveUnfocused;
    attrs.caFontColor = focused ? colors_.ActiveFocusedText : colors_.ActiveUnfocusedText;
  } else if (!locked && selectionModel()->isSelected(IndexOf(row, col))) {
    attrs.caColor = colors_.Selected;
    attrs.caFontColor = colors_.SelectedText;
  } else if (own.Color.isValid()) {
    attrs.caColor = own.Color;
    if (locked) attrs.caFontColor = colors_.LockedText;
  } else if (locked) {
    attrs.caColor = colors_.Locked;
    attrs.caFontColor = colors_.LockedText;
  }
  if (OnGetCellAttributes) OnGetCellAttributes(const_cast<TWdgTable*>(this), row, col, attrs);
}

void TWdgTable::PaintModelCell(QPainter& painter, const QRect& rect, const QModelIndex& index) {
  const bool editing = IsEditing() && editIndex_ == index;
  PaintCellAt(painter, rect, index.row() + lockedRows_, index.column() + lockedCols_, editing);
}

void TWdgTable::PaintLockedCell(QPainter& painter, const QRect& rect, int row, int col) {
  PaintCellAt(painter, rect, row, col, false);
}

// One cell: its component paints inside the grid lines (or the background alone, for a cell
// without a component or while it is edited), then the lines, then the active cell's frame.
void TWdgTable::PaintCellAt(QPainter& painter, const QRect& full, int row, int col,
                            bool editing) {
  if (row != enteredRow_) {
    enteredRow_ = row;
    if (OnEnteringRow) OnEnteringRow(this, row);
  }
  if (col != enteredCol_) {
    enteredCol_ = col;
    if (OnEnteringColumn) OnEnteringColumn(this, col);
  }
  const bool locked = row < lockedRows_ || col < lockedCols_;
  const TWdgGridPen& pen = locked ? pens_.LockedGrid : pens_.NormalGrid;
  const QRect rect = pen.Inside(full);
  TWdgBaseTableCell* cell = CellComponent(row, col);
  TWdgCellAttributes attrs;
  attrs.caFont = font();
  if (!cell || editing) {
    attrs.caColor = color_;
    ResolveCellAttributes(row, col, attrs);
    painter.fillRect(rect, attrs.caColor);
  } else {
    const QString* data = GetCellData(row, col, cdpPaint);
    cell->CompleteAttributes(row, col, attrs);
    cell->Paint(painter, rect, row, col, attrs, data);
  }
  DrawGridLines(painter, full, pen);
  if (!locked && !editing && row == ActiveRow() && col == ActiveCol()) DrawFocusFrame(painter, full);
}

namespace {
QPen LinePen(const QColor& color, Qt::PenStyle style) {
  QPen pen(color, 0, style);
  if (style == Qt::DotLine) pen.setDashPattern({1, 1}); // every other pixel
  return pen;
}
} // namespace

// The right and bottom lines of a cell (or a raised frame), with the gaps of dotted and
// dashed lines in the table's colour.
void TWdgTable::DrawGridLines(QPainter& painter, const QRect& cell, const TWdgGridPen& pen) const {
  if (pen.Effect() == geNone) return;
  painter.save();
  const int l = cell.left(), t = cell.top(), r = cell.right(), b = cell.bottom();
  painter.setPen(color_); // the gaps of a dotted line
  if (pen.Effect() != geHorizontal) painter.drawLine(r, t, r, b);
  if (pen.Effect() != geVertical) painter.drawLine(l, b, r, b);
  if (pen.Effect() == ge3D) {
    painter.setPen(LinePen(pen.SecondColor(), pen.Style()));
    painter.drawLine(l, b - 1, l, t);
    painter.drawLine(l, t, r - 1, t);
  }
  painter.setPen(LinePen(pen.NormalColor(), pen.Style()));
  if (pen.Effect() != geHorizontal) painter.drawLine(r, t, r, b);
  if (pen.Effect() != geVertical) painter.drawLine(l, b, r, b);
  painter.restore();
}

// The active cell's frame, inside its grid lines: the focused pen (solid) while the table
// has the focus, the unfocused one (dashed) without it.
void TWdgTable::DrawFocusFrame(QPainter& painter, const QRect& cell) const {
  const bool focused = TableHasFocus();
  const TWdgGridPen& pen = focused ? pens_.CellWhenFocused : pens_.CellWhenUnfocused;
  if (pen.Effect() == geNone) return;
  int l = cell.left(), t = cell.top();
  const QRect inner = pens_.NormalGrid.Inside(cell);
  const int x2 = inner.right();
  const int y2 = inner.bottom();
  if (pens_.NormalGrid.Effect() == ge3D) {
    l = inner.left();
    t = inner.top();
  }
  painter.save();
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(focused ? colors_.ActiveFocused : colors_.ActiveUnfocused);
  painter.setPen(LinePen(pen.NormalColor(), pen.Style()));
  const TGridEffect e = pen.Effect();
  if (e != geHorizontal) painter.drawLine(x2, t, x2, y2);
  if (e != geVertical) painter.drawLine(l, y2, x2, y2);
  if (e == ge3D) painter.setPen(LinePen(pen.SecondColor(), pen.Style()));
  if (e != geHorizontal) painter.drawLine(l, t, l, y2);
  if (e != geVertical) painter.drawLine(l, t, x2, t);
  painter.restore();
}


bool TWdgTable::eventFilter(QObject* object, QEvent* event) {
  auto* corner = qobject_cast<QAbstractButton*>(object);
  if (corner && event->type() == QEvent::Paint && corner == Corner()) {
    QPainter painter(corner);
    PaintLockedCell(painter, corner->rect(), 0, 0);
    return true;
  }
  return QTableView::eventFilter(object, event);
}


QAbstractButton* TWdgTable::Corner() { return findChild<QAbstractButton*>(); }

void TWdgTable::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  if (!OnPaintUnusedArea) return;
  const QRect cells(0, 0, horizontalHeader()->length() - horizontalHeader()->offset(),
                    verticalHeader()->length() - verticalHeader()->offset());
  const QRegion unused = QRegion(viewport()->rect()) - cells;
  if (unused.isEmpty()) return;
  QPainter painter(viewport());
  painter.setClipRegion(unused);
  OnPaintUnusedArea(this, painter, unused);
}
