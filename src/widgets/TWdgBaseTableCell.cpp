#include "widgets/TWdgBaseTableCell.h"

#include "widgets/TWdgTable.h"

#include <QApplication>
#include <QPainter>

TWdgBaseTableCell::TWdgBaseTableCell(QObject* owner)
    : QStyledItemDelegate(owner), color_(QApplication::palette().color(QPalette::Button)),
      font_(QApplication::font()), textHiColor_(QApplication::palette().color(QPalette::Light)) {}

TWdgBaseTableCell::~TWdgBaseTableCell() {
  if (Table()) Table()->ForgetCell(this);
}

QColor TWdgBaseTableCell::Color() const {
  return tableColor_ && table_ ? Table()->Color() : color_;
}

void TWdgBaseTableCell::SetColor(const QColor& color) {
  tableColor_ = false;
  if (color == color_) return;
  color_ = color;
  DoChanged();
}

void TWdgBaseTableCell::SetTableColor(bool use) {
  if (use == tableColor_) return;
  tableColor_ = use;
  if (use && table_) color_ = Table()->Color();
  DoChanged();
}

QFont TWdgBaseTableCell::Font() const { return tableFont_ && table_ ? table_->font() : font_; }

void TWdgBaseTableCell::SetFont(const QFont& font) {
  font_ = font;
  tableFont_ = false;
  DoChanged();
}

void TWdgBaseTableCell::SetTableFont(bool use) {
  if (use == tableFont_) return;
  tableFont_ = use;
  if (use && table_) font_ = table_->font();
  DoChanged();
}

void TWdgBaseTableCell::SetTextHiColor(const QColor& color) {
  if (color == textHiColor_) return;
  textHiColor_ = color;
  DoChanged();
}

void TWdgBaseTableCell::SetMargin(int margin) {
  if (margin < 0 || margin == margin_) return;
  margin_ = margin;
  DoChanged();
}

void TWdgBaseTableCell::SetAccess(TWdgTblAccess access) {
  if (access == access_) return;
  access_ = access;
  DoChanged();
}

void TWdgBaseTableCell::SetAdjust(TWdgTblAdjust adjust) {
  if (adjust == adjust_) return;
  adjust_ = adjust;
  DoChanged();
}

void TWdgBaseTableCell::SetTextStyle(TWdgTextStyle style) {
  if (style == textStyle_) return;
  textStyle_ = style;
  DoChanged();
}

void TWdgBaseTableCell::SetTable(TWdgTable* table) {
  if (table == Table()) return;
  if (Table()) Table()->ForgetCell(this);
  table_ = table;
  if (table) table->LinkCell(this);
}

void TWdgBaseTableCell::CompleteAttributes(int row, int col, TWdgCellAttributes& attrs) const {
  attrs.caAccess = access_;
  attrs.caAdjust = adjust_;
  attrs.caColor = Color();
  attrs.caFont = Font();
  attrs.caFontColor = QApplication::palette().color(QPalette::WindowText);
  attrs.caFontHiColor = textHiColor_;
  attrs.caTextStyle = textStyle_;
  if (table_) Table()->ResolveCellAttributes(row, col, attrs);
  if (attrs.caAccess == otxDefault) attrs.caAccess = otxNormal;
  if (attrs.caAdjust == otaDefault) attrs.caAdjust = otaCenterLeft;
  if (!attrs.caColor.isValid()) attrs.caColor = QApplication::palette().color(QPalette::Button);
}

void TWdgBaseTableCell::Paint(QPainter& painter, const QRect& rect, int row, int col,
                              const TWdgCellAttributes& attrs, const QString* data) const {
  bool done = false;
  if (OnOwnerDraw)
    OnOwnerDraw(const_cast<TWdgBaseTableCell*>(this), painter, rect, row, col, attrs, data, done);
  if (!done) PaintCell(painter, rect, row, col, attrs, data);
}

void TWdgBaseTableCell::PaintCell(QPainter& painter, const QRect& rect, int, int,
                                  const TWdgCellAttributes& attrs, const QString*) const {
  painter.fillRect(rect, attrs.caColor);
}

void TWdgBaseTableCell::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  if (table_) Table()->PaintModelCell(*painter, option.rect, index);
}

bool TWdgBaseTableCell::eventFilter(QObject*, QEvent*) { return false; }

TWdgTable* TWdgBaseTableCell::Table() const { return static_cast<TWdgTable*>(table_.data()); }
