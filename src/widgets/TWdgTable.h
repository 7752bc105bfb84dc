#pragma once
// The table grid: a grid of cells whose data the application gives on request (OnGetCellData)
// and whose cell components paint and edit them. Rows and columns are numbered with the
// heading row and the locked first column included: row 0 is the heading row when LockedRows
// is 1, column 0 the locked column when LockedCols is 1. The heading row and the locked column
// never scroll and never hold the active cell.
#include "widgets/TWdgCellAttributes.h"
#include "widgets/TWdgCustomControl.h"
#include "widgets/TWdgGridPenSet.h"
#include "widgets/TWdgTableCells.h"
#include "widgets/TWdgTableColors.h"
#include "widgets/TWdgTableColumns.h"
#include "widgets/core/TWdgCommandProcessor.h"
#include "widgets/core/TWdgTableRows.h"

#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <functional>

#include "widgets/TWdgBaseTableCell.h"
class QAbstractButton;
class QPainter;
class QRegion;
class TWdgTableHeader;
class TWdgTableModel;


class TWdgTable : public QTableView {
  Q_OBJECT
public:
  // (table, row, column, data, purpose): point data at the cell's text, or leave it nullptr
  // for none. For cdpSave the table writes the edited text there; a cell without such a text
  // cannot be edited.
  using CellDataEvent = std::function<void(TWdgTable*, int, int, QString*&, TWdgCellDataPurpose)>;
  using CellEvent = std::function<void(TWdgTable*, int, int)>;

  // The command a click or a mouse drag passes to OnActiveCellMoving.
  static constexpr quint16 kMouseCommand = 250;

  explicit TWdgTable(QWidget* parent = nullptr);
  ~TWdgTable() override;

  // Rows and columns.
  int RowLimit() const { return rows_.RowLimit(); }
  // The number of rows, heading rows included. A value below LockedRows is ignored; a value
  // equal to it leaves no body rows and asks the application for none.
  void SetRowLimit(int limit);
  int ColCount() const { return columns_.Count(); }
  void SetColCount(int count);
  // 0 or 1 each: whether the heading row and the locked first column are there.
  int LockedRows() const { return lockedRows_; }
  void SetLockedRows(int rows);
  int LockedCols() const { return lockedCols_; }
  void SetLockedCols(int cols);
  TWdgTableRows& Rows() { return rows_; }
  TWdgTableColumns& Columns() { return columns_; }
  TWdgBaseTableCell* LockedRowsCell() const { return lockedRowsCell_; }
  void SetLockedRowsCell(TWdgBaseTableCell* cell);
  // Settings of single cells over their column's.
  TWdgTableCells& CellOverrides() { return cells_; }
  // Sets the column's default cell, and makes this table the cell's table.
  void SetColumnCell(int col, TWdgBaseTableCell* cell);
  // The cells that name this table as theirs; each one's changes repaint the table.
  void LinkCell(TWdgBaseTableCell* cell);
  // Drops every use of the cell.
  void ForgetCell(TWdgBaseTableCell* cell);

  // The active cell; -1 when the table has no body cell.
  int ActiveRow() const;
  int ActiveCol() const;
  void SetActiveRow(int row);
  void SetActiveCol(int col);
  // The first scrollable row and column shown.
  int TopRow() const;
  int LeftCol() const;
  // Scrolls them there, as far as the rows and columns after them allow; OnTopLeftCellChanging
  // may change the place first.
  void SetTopLeftCell(int row, int col);
  void SetTopRow(int row) { SetTopLeftCell(row, LeftCol()); }
  void SetLeftCol(int col) { SetTopLeftCell(TopRow(), col); }

  TWdgTblOptionSet Options() const { return options_; }
  void SetOptions(TWdgTblOptionSet options);
  TWdgTblAccess Access() const { return access_; }
  void SetAccess(TWdgTblAccess access) { access_ = access == otxDefault ? otxNormal : access; }
  TWdgTblAdjust Adjust() const { return adjust_; }
  void SetAdjust(TWdgTblAdjust adjust) { adjust_ = adjust == otaDefault ? otaCenterLeft : adjust; }
  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  // The colour right of the last column and below the last row.
  QColor ColorUnused() const { return colorUnused_; }
  void SetColorUnused(const QColor& color);
  const TWdgTableColors& Colors() const { return colors_; }
  void SetColors(const TWdgTableColors& colors);
  // The pens of the grid lines and of the active cell's frame; a change repaints the table.
  TWdgGridPenSet& GridPenSet() { return pens_; }

  // Nested locks balance; nothing is painted while one is held, and the table repaints when
  // the last is released. An extra release keeps the count at 0.
  void EnableRedraw(bool allow);
  int RedrawLockCount() const { return redrawLock_; }
  // Repaints the body cells of the column (when the redraw lock allows it).
  void RepaintColumn(int col);

  // Editing the active cell. StartCellEdit: true when the table is editing afterwards.
  // StopCellEdit: keeps (save) or drops the editor's text; true when the table is not editing
  // afterwards, false when OnEndEdit refused.
  bool StartCellEdit();
  bool StopCellEdit(bool save);
  bool IsEditing() const { return editor_ != nullptr; }
  QLineEdit* Editor() const;

  // The navigation commands of the "Grid" key table.
  void MoveActiveCell(quint16 command);
  // What a key pressed in a cell's editor means to the table: 0 the editor keeps it, 1 a
  // navigation key the editor may pass on, 2 a key that ends the edit and goes to the table.
  int FilterKey(int key, Qt::KeyboardModifiers modifiers);
  // The key commands of the window's controller; the grid reads its "Grid" table.
  TWdgCommandProcessor& Commands();

  // For the cell components.
  QString* GetCellData(int row, int col, TWdgCellDataPurpose purpose);
  const QString* ModelCellData(const QModelIndex& index, TWdgCellDataPurpose purpose);
  TWdgBaseTableCell* CellComponent(int row, int col) const;
  void ResolveCellAttributes(int row, int col, TWdgCellAttributes& attrs) const;
  void PaintModelCell(QPainter& painter, const QRect& rect, const QModelIndex& index);
  void PaintLockedCell(QPainter& painter, const QRect& rect, int row, int col);
  void StyleEditor(QLineEdit& editor, const QModelIndex& index);
  // The cell being edited made this editor.
  void EditorCreated(QLineEdit* editor);
  // Where the editor of a cell goes: the cell inside its grid lines.
  QRect EditorRect(const QRect& cell) const;
  // Puts the editor there, or where OnSizeCellEditor says, with the border it asks for.
  void PlaceEditor(QLineEdit& editor, const QRect& cell, const QModelIndex& index);
  void KeyFromEditor(int key, Qt::KeyboardModifiers modifiers, const QString& text);
  // For the headings: a click on one, and a heading dragged from one place to another, which
  // carries its column (or row) there (places counted without the locked ones).
  void HeaderClicked(Qt::Orientation orientation, int logical);
  void CarrySection(Qt::Orientation orientation, int from, int to);
  // Moves the focus to the control after (or before) the table.
  void FocusNeighbour(bool next);

  CellDataEvent OnGetCellData;
  CellEvent OnActiveCellChanged;
  std::function<void(TWdgTable*, quint16, int&, int&)> OnActiveCellMoving;
  std::function<void(TWdgTable*, int, int, bool&)> OnBeginEdit;
  std::function<void(TWdgTable*, TWdgBaseTableCell*, int, int, bool&)> OnEndEdit;
  CellEvent OnDoneEdit;
  std::function<void(TWdgTable*, int, int, TWdgCellAttributes&)> OnGetCellAttributes;
  CellEvent OnLockedCellClick;
  // (table, row or column): the active cell leaves it.
  std::function<void(TWdgTable*, int)> OnLeavingRow, OnLeavingColumn;
  // (table, row or column): the first cell painted of another row or column than the last.
  std::function<void(TWdgTable*, int)> OnEnteringRow, OnEnteringColumn;
  std::function<void(TWdgTable*, int&, int&)> OnTopLeftCellChanging;
  // The first shown scrollable row or column changed.
  CellEvent OnTopLeftCellChanged;
  // (table, painter, area): paints the area right of the last column and below the last row
  // in place of the unused colour.
  std::function<void(TWdgTable*, QPainter&, const QRegion&)> OnPaintUnusedArea;
  // (table, row, column, rectangle, style): where and how an editor is about to be shown.
  std::function<void(TWdgTable*, int, int, QRect&, TWdgTblEditorStyle&)> OnSizeCellEditor;
  // (table, number1, number2, action): number2 is -1 except for an exchange.
  std::function<void(TWdgTable*, int, int, TWdgTblActions)> OnColumnsChanged, OnRowsChanged;
  std::function<void(TWdgTable*, quint16)> OnUserCommand;
  std::function<void(TWdgTable*)> OnClipboardCopy, OnClipboardCut, OnClipboardPaste;
  // (sender, keys and buttons held, wheel delta, screen x, screen y), before the wheel moves
  // the active cell.
  std::function<void(QObject*, TWdgShiftState, qint16, qint16, qint16)> OnMouseWheel;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool eventFilter(QObject* object, QEvent* event) override;
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  QModelIndex IndexOf(int row, int col) const;
  int NextVisibleRow(int row, int step) const;
  int NextVisibleCol(int col, int step) const;
  int LastShownRow(bool fully) const;
  // Moves the active cell after OnActiveCellMoving and the end of an open edit; false when
  // the move was refused.
  bool MoveTo(quint16 command, int row, int col);
  void MoveToCell(int row, int col);
  void PostStartEdit();
  void KeepActiveVisible();
  void PageRows(bool down);
  bool TableHasFocus() const;
  void PaintCellAt(QPainter& painter, const QRect& full, int row, int col, bool editing);
  void DrawGridLines(QPainter& painter, const QRect& cell, const TWdgGridPen& pen) const;
  void DrawFocusFrame(QPainter& painter, const QRect& cell) const;
  // Puts the row settings into the headers the view lays out by: all rows, or the one or two
  // given.
  void ApplyRows(int only1 = -1, int only2 = -1);
  void ApplyColumns();
  void RowsChanged(int row1, int row2, TWdgTblActions action);
  void ColumnsChanged(int col1, int col2, TWdgTblActions action);
  void HeaderSectionResized(Qt::Orientation orientation, int logical, int size);
  void UpdateUnusedColour();
  void CellChanged();
  QAbstractButton* Corner();

  TWdgTableRows rows_;
  TWdgGridPenSet pens_;
  TWdgTableCells cells_;
  TWdgTableColumns columns_;
  TWdgTableModel* model_ = nullptr;
  TWdgTableHeader* headingRow_ = nullptr;
  TWdgTableHeader* lockedColumn_ = nullptr;
  QPointer<TWdgBaseTableCell> lockedRowsCell_;
  TWdgBaseTableCell* plainCell_ = nullptr; // paints columns without a cell component
  std::vector<QPointer<TWdgBaseTableCell>> linked_;
  QPointer<QLineEdit> editor_;
  QPersistentModelIndex editIndex_;
  int lockedRows_ = 1;
  int lockedCols_ = 1;
  int anchorRow_ = 1, anchorCol_ = 1;
  bool extending_ = false;
  bool applying_ = false;
  bool editorHadFocus_ = false;
  bool focusedByThisClick_ = false;
  int enteredRow_ = -1, enteredCol_ = -1;
  int redrawLock_ = 0;
  TWdgTblOptionSet options_;
  TWdgTblAccess access_ = otxNormal;
  TWdgTblAdjust adjust_ = otaCenterLeft;
  QColor color_;
  QColor colorUnused_;
  TWdgTableColors colors_;
  QString dataBuffer_;
};
