#pragma once
// The base of the table's cell components. A cell component paints (and, in descendants,
// edits) every cell of a table that uses it: a column's default cell or the table's cell for
// its heading rows. It holds no per-cell state; the table hands it the cell's place, its
// resolved attributes and the application's data for each paint.
#include "widgets/TWdgCellAttributes.h"

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

class QPainter;
class TWdgTable;

class TWdgBaseTableCell : public QStyledItemDelegate {
  Q_OBJECT
public:
  // (cell, painter, cell rectangle, row, column, attributes, data, done): set done to paint the
  // cell alone.
  using OwnerDrawEvent = std::function<void(TWdgBaseTableCell*, QPainter&, const QRect&, int, int,
                                            const TWdgCellAttributes&, const QString*, bool&)>;

  explicit TWdgBaseTableCell(QObject* owner = nullptr);
  // The table forgets every use of the cell.
  ~TWdgBaseTableCell() override;

  // The table's colour while TableColor is set; setting a colour clears TableColor.
  QColor Color() const;
  void SetColor(const QColor& color);
  bool TableColor() const { return tableColor_; }
  void SetTableColor(bool use);
  QFont Font() const;
  void SetFont(const QFont& font);
  bool TableFont() const { return tableFont_; }
  void SetTableFont(bool use);
  QColor TextHiColor() const { return textHiColor_; }
  void SetTextHiColor(const QColor& color);
  // The space kept free around the text is half the margin on every side.
  int Margin() const { return margin_; }
  void SetMargin(int margin); // a negative margin is ignored
  TWdgTblAccess Access() const { return access_; }
  void SetAccess(TWdgTblAccess access);
  TWdgTblAdjust Adjust() const { return adjust_; }
  void SetAdjust(TWdgTblAdjust adjust);
  TWdgTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TWdgTextStyle style);
  QString Hint() const { return hint_; }
  void SetHint(const QString& hint) { hint_ = hint; }
  QString About() const { return QStringLiteral("v1.0"); }

  TWdgTable* Table() const;
  void SetTable(TWdgTable* table);
  // The table is going away: the cell forgets it without telling it.
  void TableGone() { table_ = nullptr; }

  // Fills the record from the cell's own properties, lets the table refine it, then gives
  // the remaining defaults: normal access, centre-left alignment, the button colour.
  void CompleteAttributes(int row, int col, TWdgCellAttributes& attrs) const;
  // OnOwnerDraw first; PaintCell unless it painted the cell.
  void Paint(QPainter& painter, const QRect& rect, int row, int col,
             const TWdgCellAttributes& attrs, const QString* data) const;

  OwnerDrawEvent OnOwnerDraw;

  // The table lets its cells paint every model cell.
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  // The editor handles its own keys and focus: the table opens and closes it.
  bool eventFilter(QObject* object, QEvent* event) override;

Q_SIGNALS:
  // A property that changes how the cells look has changed.
  void Changed();

protected:
  // The base fills the rectangle with the attributes' colour.
  virtual void PaintCell(QPainter& painter, const QRect& rect, int row, int col,
                         const TWdgCellAttributes& attrs, const QString* data) const;
  void DoChanged() { Q_EMIT Changed(); }

private:
  QColor color_;
  QFont font_;
  QColor textHiColor_;
  int margin_ = 4;
  TWdgTblAccess access_ = otxDefault;
  TWdgTblAdjust adjust_ = otaDefault;
  TWdgTextStyle textStyle_ = tsFlat;
  QString hint_;
  bool tableColor_ = true;
  bool tableFont_ = true;
  QPointer<QTableView> table_; // the TWdgTable
};
