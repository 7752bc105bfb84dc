#include "widgets/TWdgTable.h"

#include "widgets/TWdgBaseTableCell.h"
#include "widgets/TWdgTCColHead.h"
#include "widgets/TWdgTCString.h"
#include "widgets/TWdgTableHeader.h"
#include "widgets/TWdgTableModel.h"
#include "widgets/TWdgController.h"
#include "widgets/core/WdgCommandCodes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

namespace {
// Keeps the table's redraw lock for a scope, also when an event handler throws.
class RedrawLock {
public:
  explicit RedrawLock(TWdgTable& table) : table_(table) { table_.EnableRedraw(false); }
  ~RedrawLock() { table_.EnableRedraw(true); }
  RedrawLock(const RedrawLock&) = delete;
  RedrawLock& operator=(const RedrawLock&) = delete;

private:
  TWdgTable& table_;
};

bool IsNavigation(quint16 c) {
  switch (c) {
  case ccBotOfPage: case ccBotRightCell: case ccDown: case ccEnd: case ccFirstPage: case ccHome:
  case ccLastPage: case ccLeft: case ccNextPage: case ccPageLeft: case ccPageRight:
  case ccPrevPage: case ccRight: case ccTopLeftCell: case ccTopOfPage: case ccUp: return true;
  default: return false;
  }
}

// The plain command of an extending one (Shift with a navigation key).
quint16 PlainOf(quint16 c) {
  static const quint16 plain[] = {ccDown, ccEnd, ccHome, ccLeft, ccNextPage, ccPrevPage, ccRight,
                                  ccUp, ccBotOfPage, ccFirstPage, ccLastPage, ccTopOfPage,
                                  ccWordLeft, ccWordRight};
  return c >= ccExtendDown && c <= ccExtWordRight ? plain[c - ccExtendDown] : quint16(ccNone);
}

QAbstractButton* CornerOf(QTableView& view) { return view.findChild<QAbstractButton*>(); }
} // namespace

TWdgTable::TWdgTable(QWidget* parent)
    : QTableView(parent), pens_(palette()), color_(palette().color(QPalette::Button)),
      colorUnused_(palette().color(QPalette::Base)), colors_(TWdgTableColors::Defaults(palette())) {
  model_ = new TWdgTableModel(*this);
  headingRow_ = new TWdgTableHeader(Qt::Horizontal, *this);
  lockedColumn_ = new TWdgTableHeader(Qt::Vertical, *this);
  setHorizontalHeader(headingRow_);
  setVerticalHeader(lockedColumn_);
  setModel(model_);
  setEditTriggers(NoEditTriggers);
  setTabKeyNavigation(false);
  setSelectionMode(ExtendedSelection);
  setShowGrid(false); // the cells draw their own lines
  pens_.SetChangeHandler([this] { CellChanged(); });
  cells_.OnChange = [this] { CellChanged(); };
  setWordWrap(true);
  setCornerButtonEnabled(false);
  setVerticalScrollMode(ScrollPerItem);
  setHorizontalScrollMode(ScrollPerPixel);
  resize(300, 100);
  if (auto* corner = CornerOf(*this)) corner->installEventFilter(this);
  for (QHeaderView* h : {static_cast<QHeaderView*>(headingRow_),
                         static_cast<QHeaderView*>(lockedColumn_)}) {
    h->setSectionResizeMode(QHeaderView::Interactive);
    connect(h, &QHeaderView::sectionResized, this, [this, h](int logical, int, int size) {
      HeaderSectionResized(h->orientation(), logical, size);
    });
  }
  for (TWdgTableHeader* h : {headingRow_, lockedColumn_}) {
    connect(h, &QHeaderView::sectionClicked, this,
            [this, h](int logical) { HeaderClicked(h->orientation(), logical); });
    connect(h, &QHeaderView::sectionMoved, this, [this, h](int, int from, int to) {
      HeaderSectionMoved(h->orientation(), from, to);
    });
  }
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      if (OnTopLeftCellChanged) OnTopLeftCellChanged(this, TopRow(), LeftCol());
    });
  rows_.SetChangeHandler([this](int r1, int r2, TWdgTblActions a) { RowsChanged(r1, r2, a); });
  columns_.SetChangeHandler([this](int c1, int c2, TWdgTblActions a) { ColumnsChanged(c1, c2, a); });
  UpdateUnusedColour();
  ApplyColumns();
  ApplyRows();
}

TWdgTable::~TWdgTable() {
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      if (OnTopLeftCellChanged) OnTopLeftCellChanged(this, TopRow(), LeftCol());
    });
  rows_.SetChangeHandler({});
  columns_.SetChangeHandler({});
}

// ---- rows and columns ------------------------------------------------------------------

void TWdgTable::SetRowLimit(int limit) {
  if (limit == RowLimit() || limit < lockedRows_) return;
  RedrawLock lock(*this);
  // The active cell leaves rows that go, with its events and its edit saved, as a move would.
  if (limit - 1 >= lockedRows_ && ActiveRow() >= limit) SetActiveRow(limit - 1);
  if (IsEditing() && editIndex_.row() + lockedRows_ >= limit) StopCellEdit(true);
  rows_.SetRowLimit(limit);
}

void TWdgTable::SetColCount(int count) {
  if (count <= lockedCols_) return;
  RedrawLock lock(*this);
  columns_.SetCount(count);
}

void TWdgTable::SetLockedRows(int rows) {
  rows = std::clamp(rows, 0, 1);
  if (rows == lockedRows_ || rows >= RowLimit()) return;
  lockedRows_ = rows;
  ApplyRows();
}

void TWdgTable::SetLockedCols(int cols) {
  cols = std::clamp(cols, 0, 1);
  if (cols == lockedCols_ || cols >= ColCount()) return;
  lockedCols_ = cols;
  ApplyColumns();
}

void TWdgTable::RowsChanged(int row1, int row2, TWdgTblActions action) {
  if (action == taExchanged) cells_.ExchangeRows(row1, row2);
  ApplyRows();
  if (action != taLimitChanged && action != taAllChanged && OnRowsChanged)
    OnRowsChanged(this, row1, row2, action);
}

void TWdgTable::ColumnsChanged(int col1, int col2, TWdgTblActions action) {
  if (auto* head = qobject_cast<TWdgTCColHead*>(lockedRowsCell_.data()))
    head->ColumnsChanged(col1, col2, action);
  if (action == taAdded) cells_.InsertCol(col1);
  if (action == taDeleted) cells_.DeleteCol(col1);
  if (action == taExchanged) cells_.ExchangeCols(col1, col2);
  ApplyColumns();
  if (action != taLimitChanged && action != taAllChanged && OnColumnsChanged)
    OnColumnsChanged(this, col1, col2, action);
}

void TWdgTable::HeaderClicked(Qt::Orientation orientation, int logical) {
  const bool columns = orientation == Qt::Horizontal;
  const int row = columns ? 0 : logical + lockedRows_;
  const int col = columns ? logical + lockedCols_ : 0;
  if (!StopCellEdit(true)) return;
  if (columns && options_ & otoColSelection)
    selectionModel()->select(model_->index(0, logical),
                             QItemSelectionModel::Select | QItemSelectionModel::Columns);
  if (!columns && options_ & otoRowSelection)
    selectionModel()->select(model_->index(logical, 0),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
  viewport()->update();
  if (OnLockedCellClick) OnLockedCellClick(this, row, col);
}

void TWdgTable::HeaderSectionMoved(Qt::Orientation orientation, int from, int to) {
  if (applying_ || from == to) return;
  QHeaderView* header = orientation == Qt::Horizontal ? static_cast<QHeaderView*>(headingRow_)
                                                      : lockedColumn_;
  {
    // The header keeps its sections in place; the columns themselves move.
    const QSignalBlocker block(header);
    header->moveSection(to, from);
  }
  const bool columns = orientation == Qt::Horizontal;
  const int locked = columns ? lockedCols_ : lockedRows_;
  const int s = from + locked, t = to + locked;
  const int active = columns ? ActiveCol() : ActiveRow();
  RedrawLock lock(*this);
  for (int k = s; k != t; k += s < t ? 1 : -1) {
    const int next = s < t ? k + 1 : k - 1;
    if (columns) columns_.Exchange(k, next);
    else rows_.ExchangeRows(k, next);
  }
  int follow = active;
  if (active == s) follow = t;
  else if (s < t && active > s && active <= t) follow = active - 1;
  else if (s > t && active >= t && active < s) follow = active + 1;
  if (follow != active && active >= 0) {
    const QModelIndex target = columns ? IndexOf(ActiveRow(), follow) : IndexOf(follow, ActiveCol());
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
  }
}

// Puts the row settings into the headers the view lays out by.
void TWdgTable::ApplyRows() {
  if (applying_) return;
  applying_ = true;
  model_->SetRowCount(std::max(0, RowLimit() - lockedRows_));
  lockedColumn_->setDefaultSectionSize(rows_.DefaultHeight());
  if (lockedRows_ > 0) headingRow_->setFixedHeight(rows_.GetRow(0).Height);
  headingRow_->setVisible(lockedRows_ > 0);
  for (int r = lockedRows_; r < RowLimit() && r < TWdgTableRows::kFirstPlainRow; ++r) {
    const auto row = rows_.GetRow(r);
    lockedColumn_->resizeSection(r - lockedRows_, row.Height);
    setRowHidden(r - lockedRows_, row.Hidden);
  }
  applying_ = false;
  KeepActiveVisible();
}

// The active cell never rests on a hidden row or column: it goes to the next visible one.
void TWdgTable::KeepActiveVisible() {
  if (model_->rowCount() == 0 || model_->columnCount() == 0) return;
  const QModelIndex c = currentIndex();
  if (!c.isValid()) {
    MoveToCell(NextVisibleRow(lockedRows_, 0), NextVisibleCol(lockedCols_, 0));
    return;
  }
  const int row = NextVisibleRow(ActiveRow(), 0), col = NextVisibleCol(ActiveCol(), 0);
  if (row >= 0 && col >= 0 && (row != ActiveRow() || col != ActiveCol())) {
    if (IsEditing()) StopCellEdit(true);
    MoveToCell(row, col);
  }
}

void TWdgTable::ApplyColumns() {
  if (applying_) return;
  applying_ = true;
  model_->SetColumnCount(std::max(0, ColCount() - lockedCols_));
  if (lockedCols_ > 0) {
    const auto* first = columns_.Column(0);
    lockedColumn_->setFixedWidth(first->Width());
    lockedColumn_->setVisible(!first->Hidden());
  } else {
    lockedColumn_->setVisible(false);
  }
  for (int c = lockedCols_; c < ColCount(); ++c) {
    const auto* column = columns_.Column(c);
    headingRow_->resizeSection(c - lockedCols_, column->Width());
    setColumnHidden(c - lockedCols_, column->Hidden());
    setItemDelegateForColumn(c - lockedCols_, column->DefaultCell());
  }
  applying_ = false;
  viewport()->update();
  KeepActiveVisible();
}

// A row or column sized with the mouse keeps its new size in the row and column settings.
void TWdgTable::HeaderSectionResized(Qt::Orientation orientation, int logical, int size) {
  if (applying_) return;
  applying_ = true;
  if (orientation == Qt::Horizontal) {
    if (auto* column = columns_.Column(logical + lockedCols_)) column->SetWidth(size);
  } else if (logical + lockedRows_ < RowLimit()) {
    rows_.SetRowHeight(logical + lockedRows_, size);
  }
  applying_ = false;
}

void TWdgTable::SetLockedRowsCell(TWdgBaseTableCell* cell) {
  lockedRowsCell_ = cell;
  if (cell && !cell->Table()) cell->SetTable(this);
  if (cell) connect(cell, &TWdgBaseTableCell::Changed, this, &TWdgTable::CellChanged,
                    Qt::UniqueConnection);
  headingRow_->viewport()->update();
}

void TWdgTable::SetColumnCell(int col, TWdgBaseTableCell* cell) {
  if (auto* column = columns_.Column(col)) {
    if (cell && !cell->Table()) cell->SetTable(this);
    if (cell) connect(cell, &TWdgBaseTableCell::Changed, this, &TWdgTable::CellChanged,
                      Qt::UniqueConnection);
    column->SetDefaultCell(cell);
  }
}

void TWdgTable::CellChanged() {
  viewport()->update();
  headingRow_->viewport()->update();
  lockedColumn_->viewport()->update();
}

void TWdgTable::ForgetCell(TWdgBaseTableCell* cell) {
  if (lockedRowsCell_ == cell) lockedRowsCell_ = nullptr;
  columns_.ForgetCell(cell);
  cells_.ForgetCell(cell);
}

TWdgBaseTableCell* TWdgTable::CellComponent(int row, int col) const {
  if (auto* own = cells_.GetCellComponent(row, col)) return own;
  if (row < lockedRows_ && lockedRowsCell_) return lockedRowsCell_;
  return columns_.DefaultCellOf(col);
}

// ---- appearance ------------------------------------------------------------------------

void TWdgTable::SetOptions(TWdgTblOptionSet options) {
  options_ = options;
  headingRow_->setSectionResizeMode(options & otoNoColResizing ? QHeaderView::Fixed
                                                                : QHeaderView::Interactive);
  lockedColumn_->setSectionResizeMode(options & otoNoRowResizing ? QHeaderView::Fixed
                                                                  : QHeaderView::Interactive);
  // Selecting whole columns (rows) by their headings rules out moving them.
  headingRow_->setSectionsMovable(options & otoAllowColMoves && !(options & otoColSelection));
  lockedColumn_->setSectionsMovable(options & otoAllowRowMoves && !(options & otoRowSelection));
  setSelectionMode(options & otoNoSelection ? NoSelection : ExtendedSelection);
  viewport()->update();
  if (options & otoAlwaysEditing) PostStartEdit();
}

void TWdgTable::SetColor(const QColor& color) {
  color_ = color;
  viewport()->update();
}

void TWdgTable::SetColorUnused(const QColor& color) {
  colorUnused_ = color;
  UpdateUnusedColour();
}

// Whatever lies beyond the last row and column, in the body and beside the headings, shows
// the unused colour.
void TWdgTable::UpdateUnusedColour() {
  for (QWidget* area : {viewport(), headingRow_->viewport(), lockedColumn_->viewport()}) {
    QPalette p = area->palette();
    p.setColor(QPalette::Base, colorUnused_);
    p.setColor(QPalette::Window, colorUnused_);
    area->setPalette(p);
    area->setBackgroundRole(QPalette::Base);
    area->setAutoFillBackground(true);
    area->update();
  }
}

void TWdgTable::SetColors(const TWdgTableColors& colors) {
  colors_ = colors;
  viewport()->update();
}

// ---- redraw lock -----------------------------------------------------------------------

void TWdgTable::EnableRedraw(bool allow) {
  if (!allow) {
    if (redrawLock_++ > 0) return;
    setUpdatesEnabled(false);
    // The editor is out of the way while the grid changes beneath it.
    if (editor_) {
      editorHadFocus_ = editor_->hasFocus();
      editor_->hide();
      if (editorHadFocus_) setFocus();
    }
    return;
  }
  if (redrawLock_ > 0) --redrawLock_;
  if (redrawLock_ > 0) return;
  if (!updatesEnabled()) setUpdatesEnabled(true);
  if (editor_ && !editor_->isVisible()) {
    updateEditorGeometries();
    editor_->show();
    if (editorHadFocus_ && hasFocus()) editor_->setFocus();
  }
  viewport()->update();
  headingRow_->viewport()->update();
  lockedColumn_->viewport()->update();
}

void TWdgTable::RepaintColumn(int col) {
  if (col < lockedCols_) {
    lockedColumn_->viewport()->update();
    return;
  }
  model_->ColumnChanged(col - lockedCols_);
}

// ---- cell data and painting ------------------------------------------------------------

QString* TWdgTable::GetCellData(int row, int col, TWdgCellDataPurpose purpose) {
  QString* data = nullptr;
  if (OnGetCellData && row >= 0 && row < RowLimit() && col >= 0 && col < ColCount())
    OnGetCellData(this, row, col, data, purpose);
  return data;
}

const QString* TWdgTable::ModelCellData(const QModelIndex& index, TWdgCellDataPurpose purpose) {
  return GetCellData(index.row() + lockedRows_, index.column() + lockedCols_, purpose);
}

QModelIndex TWdgTable::IndexOf(int row, int col) const {
  return model_->index(row - lockedRows_, col - lockedCols_);
}

bool TWdgTable::TableHasFocus() const {
  return hasFocus() || (editor_ && editor_->hasFocus());
}

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

QRect TWdgTable::EditorRect(const QRect& cell) const { return pens_.NormalGrid.Inside(cell); }

void TWdgTable::PlaceEditor(QLineEdit& editor, const QRect& cell, const QModelIndex& index) {
  QRect rect = EditorRect(cell);
  TWdgTblEditorStyle style = tesPlain;
  if (OnSizeCellEditor)
    OnSizeCellEditor(this, index.row() + lockedRows_, index.column() + lockedCols_, rect, style);
  editor.setFrame(style != tesPlain);
  editor.setGeometry(rect);
}

bool TWdgTable::event(QEvent* event) {
  // With Tab taken as an arrow key, Tab moves inside the grid instead of leaving it.
  if (event->type() == QEvent::KeyPress && options_ & otoTabToArrow) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QTableView::event(event);
}

bool TWdgTable::eventFilter(QObject* object, QEvent* event) {
  auto* corner = qobject_cast<QAbstractButton*>(object);
  if (corner && event->type() == QEvent::Paint && corner == CornerOf(*this)) {
    QPainter painter(corner);
    PaintLockedCell(painter, corner->rect(), 0, 0);
    return true;
  }
  return QTableView::eventFilter(object, event);
}

// ---- active cell -----------------------------------------------------------------------

int TWdgTable::ActiveRow() const {
  const QModelIndex c = currentIndex();
  return c.isValid() ? c.row() + lockedRows_ : -1;
}

int TWdgTable::ActiveCol() const {
  const QModelIndex c = currentIndex();
  return c.isValid() ? c.column() + lockedCols_ : -1;
}

int TWdgTable::TopRow() const { return rowAt(0) < 0 ? -1 : rowAt(0) + lockedRows_; }

int TWdgTable::LeftCol() const { return columnAt(0) < 0 ? -1 : columnAt(0) + lockedCols_; }

void TWdgTable::SetActiveRow(int row) { MoveTo(ccNone, row, ActiveCol()); }

void TWdgTable::SetActiveCol(int col) { MoveTo(ccNone, ActiveRow(), col); }

int TWdgTable::NextVisibleRow(int row, int step) const {
  const int first = lockedRows_, last = RowLimit() - 1;
  if (last < first) return -1;
  auto visible = [&](int r) { return !isRowHidden(r - lockedRows_); };
  row = std::clamp(row, first, last);
  if (step == 0) {
    for (int r = row; r <= last; ++r) if (visible(r)) return r;
    for (int r = row - 1; r >= first; --r) if (visible(r)) return r;
    return -1;
  }
  for (int r = row + step; r >= first && r <= last; r += step) if (visible(r)) return r;
  return row;
}

int TWdgTable::NextVisibleCol(int col, int step) const {
  const int first = lockedCols_, last = ColCount() - 1;
  if (last < first) return -1;
  auto visible = [&](int c) { return !isColumnHidden(c - lockedCols_); };
  col = std::clamp(col, first, last);
  if (step == 0) {
    for (int c = col; c <= last; ++c) if (visible(c)) return c;
    for (int c = col - 1; c >= first; --c) if (visible(c)) return c;
    return -1;
  }
  for (int c = col + step; c >= first && c <= last; c += step) if (visible(c)) return c;
  return col;
}

bool TWdgTable::MoveTo(quint16 command, int row, int col) {
  row = NextVisibleRow(row, 0);
  col = NextVisibleCol(col, 0);
  if (row < 0 || col < 0) return false;
  // A key that cannot move (Down on the last row) does nothing; a move the program asks for
  // or a click is always announced.
  const bool stays = row == ActiveRow() && col == ActiveCol();
  if (stays && command != ccNone && command != kMouseCommand) return false;
  if (OnActiveCellMoving) OnActiveCellMoving(this, command, row, col);
  if (row == ActiveRow() && col == ActiveCol()) return false;
  if (IsEditing() && !StopCellEdit(true)) return false;
  MoveToCell(row, col);
  return true;
}

void TWdgTable::MoveToCell(int row, int col) {
  const QModelIndex target = IndexOf(row, col);
  if (!target.isValid()) return;
  const int oldRow = ActiveRow(), oldCol = ActiveCol();
  if (oldRow >= 0 && oldRow != row && OnLeavingRow) OnLeavingRow(this, oldRow);
  if (oldCol >= 0 && oldCol != col && OnLeavingColumn) OnLeavingColumn(this, oldCol);
  if (extending_ && !(options_ & otoNoSelection)) {
    selectionModel()->select(QItemSelection(IndexOf(anchorRow_, anchorCol_), target),
                             QItemSelectionModel::ClearAndSelect);
  } else {
    selectionModel()->clearSelection();
    anchorRow_ = row;
    anchorCol_ = col;
  }
  const bool changed = target != currentIndex();
  selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
  scrollTo(target);
  viewport()->update();
  if (changed && OnActiveCellChanged) OnActiveCellChanged(this, row, col);
  if (options_ & otoAlwaysEditing) PostStartEdit();
}

// Editing starts once the event that moved the active cell is over.
void TWdgTable::PostStartEdit() {
  QTimer::singleShot(0, this, [this] {
    if (!IsEditing()) StartCellEdit();
  });
}

void TWdgTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // Whatever moves the current cell, an open edit ends once, with its text kept.
  if (IsEditing() && editIndex_ != current) StopCellEdit(true);
  QTableView::currentChanged(current, previous);
}

int TWdgTable::LastShownRow(bool fully) const {
  const int h = viewport()->height();
  int r = rowAt(h - 1);
  if (r < 0) r = model_->rowCount() - 1;
  if (fully && r > rowAt(0) && rowViewportPosition(r) + rowHeight(r) > h) --r;
  return r < 0 ? -1 : r + lockedRows_;
}

void TWdgTable::PageRows(bool down) {
  const int active = ActiveRow(), top = TopRow();
  if (active < 0 || top < 0) return;
  const int offset = active - top;
  const int shown = std::max(1, LastShownRow(true) - top + 1);
  const int newTop = down ? std::min(top + shown, NextVisibleRow(RowLimit() - 1, 0))
                          : std::max(lockedRows_, top - shown);
  if (!down && newTop == top && active == top) return;
  scrollTo(IndexOf(newTop, ActiveCol()), PositionAtTop);
  MoveTo(down ? ccNextPage : ccPrevPage, NextVisibleRow(TopRow() + offset, 0), ActiveCol());
}

void TWdgTable::MoveActiveCell(quint16 command) {
  if (options_ & otoNoSelection) extending_ = false;
  const int row = ActiveRow(), col = ActiveCol();
  if (row < 0 || col < 0) return;
  switch (command) {
  case ccDown: MoveTo(command, NextVisibleRow(row, 1), col); break;
  case ccUp: MoveTo(command, NextVisibleRow(row, -1), col); break;
  case ccLeft: MoveTo(command, row, NextVisibleCol(col, -1)); break;
  case ccRight: MoveTo(command, row, NextVisibleCol(col, 1)); break;
  case ccHome: MoveTo(command, row, NextVisibleCol(lockedCols_, 0)); break;
  case ccEnd: MoveTo(command, row, NextVisibleCol(ColCount() - 1, 0)); break;
  case ccFirstPage: MoveTo(command, NextVisibleRow(lockedRows_, 0), col); break;
  case ccLastPage: MoveTo(command, NextVisibleRow(RowLimit() - 1, 0), col); break;
  case ccTopLeftCell:
    MoveTo(command, NextVisibleRow(lockedRows_, 0), NextVisibleCol(lockedCols_, 0));
    break;
  case ccBotRightCell:
    MoveTo(command, NextVisibleRow(RowLimit() - 1, 0), NextVisibleCol(ColCount() - 1, 0));
    break;
  case ccTopOfPage: MoveTo(command, NextVisibleRow(TopRow(), 0), col); break;
  case ccBotOfPage: MoveTo(command, NextVisibleRow(LastShownRow(true), 0), col); break;
  case ccNextPage: PageRows(true); break;
  case ccPrevPage: PageRows(false); break;
  case ccPageRight: MoveTo(command, row, NextVisibleCol(ColCount() - 1, 0)); break;
  case ccPageLeft: MoveTo(command, row, NextVisibleCol(lockedCols_, 0)); break;
  default: break;
  }
}

// ---- editing ---------------------------------------------------------------------------

QLineEdit* TWdgTable::Editor() const { return editor_.data(); }

bool TWdgTable::StartCellEdit() {
  if (IsEditing()) return true;
  const int row = ActiveRow(), col = ActiveCol();
  if (row < 0 || col < 0) return false;
  bool allow = true;
  if (OnBeginEdit) OnBeginEdit(this, row, col, allow);
  TWdgBaseTableCell* cell = CellComponent(row, col);
  if (!allow || !qobject_cast<TWdgTCString*>(cell)) return false;
  TWdgCellAttributes attrs;
  cell->CompleteAttributes(row, col, attrs);
  // A cell whose text has nowhere to be saved is not edited: what was typed would be lost.
  if (attrs.caAccess != otxNormal || !GetCellData(row, col, cdpSave)) return false;
  const QModelIndex index = currentIndex();
  editIndex_ = index;
  edit(index);
  editor_ = qobject_cast<QLineEdit*>(indexWidget(index) ? indexWidget(index)
                                                        : QApplication::focusWidget());
  if (!editor_) {
    for (auto* child : viewport()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
      if (child->isVisible()) editor_ = child;
  }
  if (!editor_) {
    editIndex_ = QPersistentModelIndex();
    return false;
  }
  editor_->setFocus();
  viewport()->update();
  return true;
}

bool TWdgTable::StopCellEdit(bool save) {
  if (!IsEditing()) return true;
  const int row = editIndex_.row() + lockedRows_, col = editIndex_.column() + lockedCols_;
  auto* cell = qobject_cast<TWdgTCString*>(CellComponent(row, col));
  bool allow = true;
  if (OnEndEdit) OnEndEdit(this, cell, row, col, allow);
  if (!allow) return false;
  QPointer<QLineEdit> editor = editor_;
  const bool hadFocus = editor->hasFocus();
  const QString text = editor->text();
  editor_ = nullptr;
  editIndex_ = QPersistentModelIndex();
  if (save && cell) {
    if (QString* data = GetCellData(row, col, cdpSave)) *data = cell->SavedText(text);
  }
  closeEditor(editor, QAbstractItemDelegate::NoHint);
  if (hadFocus) setFocus();
  viewport()->update();
  if (OnDoneEdit) OnDoneEdit(this, row, col);
  return true;
}

void TWdgTable::StyleEditor(QLineEdit& editor, const QModelIndex& index) {
  const int row = index.row() + lockedRows_, col = index.column() + lockedCols_;
  TWdgCellAttributes attrs;
  attrs.caFont = font();
  if (auto* cell = CellComponent(row, col)) cell->CompleteAttributes(row, col, attrs);
  QPalette p = editor.palette();
  p.setColor(QPalette::Base, colors_.Editing);
  p.setColor(QPalette::Text, colors_.EditingText);
  editor.setPalette(p);
  editor.setFont(attrs.caFont);
}

TWdgCommandProcessor& TWdgTable::Commands() { return TWdgController::For(this)->EntryCommands(); }

int TWdgTable::FilterKey(int key, Qt::KeyboardModifiers modifiers) {
  int result = 0;
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) result = options_ & otoTabToArrow ? 2 : 0;
  else if (key == Qt::Key_Return || key == Qt::Key_Enter) result = options_ & otoEnterToArrow ? 2 : 0;
  else if (key == Qt::Key_Escape) result = 2;
  const quint16 command = Commands().KeyToCommandIn({QStringLiteral("Grid")}, key, modifiers);
  if (IsNavigation(command) || command == ccWordLeft || command == ccWordRight) return 1;
  if (command == ccTableEdit) return 2;
  return result;
}

void TWdgTable::KeyFromEditor(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  keyPressEvent(&event);
}

void TWdgTable::FocusNeighbour(bool next) {
  QWidget* w = this;
  do {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
  } while (w != this && (isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) ||
                         !w->isVisibleTo(window()) || !w->isEnabled()));
  if (w != this) w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// ---- keyboard and mouse ----------------------------------------------------------------

void TWdgTable::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const auto mods = event->modifiers();
  quint16 command = ccNone;
  if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && options_ & otoTabToArrow) {
    if (key == Qt::Key_Backtab || mods == Qt::ShiftModifier) command = ccLeft;
    else if (mods == Qt::NoModifier) command = ccRight;
  } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && options_ & otoEnterToArrow) {
    if (mods == Qt::NoModifier || mods == Qt::KeypadModifier) command = ccRight;
  } else {
    command = Commands().KeyToCommandIn({QStringLiteral("Grid")}, key, mods);
  }
  if (IsEditing() && !(options_ & otoAlwaysEditing)) {
    if (key == Qt::Key_Escape || command == ccTableEdit) {
      StopCellEdit(key != Qt::Key_Escape);
      return;
    }
  } else if (!IsEditing()) {
    const bool character = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                           !(mods & (Qt::ControlModifier | Qt::AltModifier));
    if (command == ccTableEdit) {
      StartCellEdit();
      return;
    }
    if (command >= 76 && command <= 255 && character) {
      if (StartCellEdit() && editor_) {
        // The key that opened the editor replaces the cell's text.
        editor_->selectAll();
        QKeyEvent again(QEvent::KeyPress, key, mods, event->text());
        QApplication::sendEvent(editor_, &again);
      }
      return;
    }
  }
  extending_ = false;
  if (IsNavigation(command)) {
    MoveActiveCell(command);
  } else if (PlainOf(command) != ccNone) {
    extending_ = true;
    MoveActiveCell(PlainOf(command));
    extending_ = false;
  } else if (command == ccCopy && OnClipboardCopy) {
    OnClipboardCopy(this);
  } else if (command == ccCut && OnClipboardCut) {
    OnClipboardCut(this);
  } else if (command == ccPaste && OnClipboardPaste) {
    OnClipboardPaste(this);
  } else if (command >= 256 && OnUserCommand) {
    OnUserCommand(this, command);
  } else {
    event->ignore(); // Enter, Esc and the rest go on to the dialog
    return;
  }
  event->accept();
}

void TWdgTable::wheelEvent(QWheelEvent* event) {
  // The wheel moves the active cell, not the view.
  const int delta = event->angleDelta().y();
  if (delta != 0) MoveActiveCell(delta < 0 ? ccDown : ccUp);
  event->accept();
}

void TWdgTable::mousePressEvent(QMouseEvent* event) {
  const bool hadFocus = TableHasFocus();
  if (!hadFocus) setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  int row, col;
  if (index.isValid()) {
    row = index.row() + lockedRows_;
    col = index.column() + lockedCols_;
  } else {
    // The area beyond the last row or column: the nearest cell.
    const QPoint p = event->position().toPoint();
    row = rowAt(p.y()) >= 0 ? rowAt(p.y()) + lockedRows_ : NextVisibleRow(RowLimit() - 1, 0);
    col = columnAt(p.x()) >= 0 ? columnAt(p.x()) + lockedCols_ : NextVisibleCol(ColCount() - 1, 0);
  }
  if (row < 0 || col < 0) return;
  const bool wasActive = row == ActiveRow() && col == ActiveCol();
  const auto mods = event->modifiers();
  if (wasActive && index.isValid() && hadFocus && !(mods & (Qt::ShiftModifier | Qt::ControlModifier))) {
    if (!IsEditing()) StartCellEdit();
    return;
  }
  extending_ = (mods & Qt::ShiftModifier) && index.isValid();
  if (MoveTo(index.isValid() ? kMouseCommand : quint16(ccNone), row, col) && (mods & Qt::ControlModifier) &&
      !extending_)
    selectionModel()->select(IndexOf(row, col), QItemSelectionModel::Toggle);
  extending_ = false;
}

void TWdgTable::mouseMoveEvent(QMouseEvent* event) {
  if (!(options_ & otoMouseDragSelect) || !(event->buttons() & Qt::LeftButton)) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (!index.isValid()) return;
  extending_ = true;
  MoveTo(kMouseCommand, index.row() + lockedRows_, index.column() + lockedCols_);
  extending_ = false;
}

void TWdgTable::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index.isValid() && index == currentIndex())
    StartCellEdit();
}

void TWdgTable::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  // An open editor takes the focus that comes to the table. (Shift+Tab in the editor goes
  // straight to the control before the table, so it never lands here.)
  if (editor_ && editor_->isVisible()) editor_->setFocus(event->reason());
  viewport()->update();
}

void TWdgTable::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  viewport()->update();
}
