#include "widgets/TWdgTableHeader.h"

#include "widgets/TWdgTable.h"

#include <QPainter>

TWdgTableHeader::TWdgTableHeader(Qt::Orientation orientation, TWdgTable& table)
    : QHeaderView(orientation, &table), table_(table) {
  setSectionsClickable(true);
  setHighlightSections(false);
  setMinimumSectionSize(6);
}

void TWdgTableHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (orientation() == Qt::Horizontal)
    table_.PaintLockedCell(*painter, rect, 0, logicalIndex + table_.LockedCols());
  else
    table_.PaintLockedCell(*painter, rect, logicalIndex + table_.LockedRows(), 0);
}

void TWdgTableHeader::paintEvent(QPaintEvent* event) {
  QHeaderView::paintEvent(event);
  const int end = length() - offset();
  QRect rest = viewport()->rect();
  if (orientation() == Qt::Horizontal) rest.setLeft(end);
  else rest.setTop(end);
  if (rest.isEmpty()) return;
  QPainter painter(viewport());
  painter.fillRect(rest, table_.ColorUnused());
}
