#include "widgets/TWdgTableHeader.h"

#include "widgets/TWdgTable.h"

#include <QMouseEvent>
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
  QPainter painter(viewport());
  if (!rest.isEmpty()) painter.fillRect(rest, table_.ColorUnused());
  if (!drag_ || target_ < 0) return;
  // The place the dragged heading would go: after the target when it moves forward.
  const QRect target = SectionRect(target_);
  const bool forward = source_ < target_;
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 3));
  if (orientation() == Qt::Horizontal) {
    const int x = forward ? target.right() : target.left();
    painter.drawLine(x, 0, x, height());
  } else {
    const int y = forward ? target.bottom() : target.top();
    painter.drawLine(0, y, width(), y);
  }
}

QRect TWdgTableHeader::SectionRect(int logical) const {
  const int start = sectionViewportPosition(logical), size = sectionSize(logical);
  return orientation() == Qt::Horizontal ? QRect(start, 0, size, viewport()->height())
                                         : QRect(0, start, viewport()->width(), size);
}

bool TWdgTableHeader::NearEdge(const QPoint& point, int logical) const {
  const int at = orientation() == Qt::Horizontal ? point.x() : point.y();
  const int start = sectionViewportPosition(logical);
  return at - start < 3 || start + sectionSize(logical) - at <= 3;
}

void TWdgTableHeader::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int logical = logicalIndexAt(at);
  if (!movable_ || event->button() != Qt::LeftButton || logical < 0 || NearEdge(at, logical)) {
    QHeaderView::mousePressEvent(event);
    return;
  }
  source_ = target_ = logical;
  const QRect shown = SectionRect(logical).intersected(viewport()->rect());
  const QPoint mouse = event->globalPosition().toPoint();
  drag_ = std::make_unique<TWdgDragShow>(
      mouse.x(), mouse.y(), QRect(viewport()->mapToGlobal(shown.topLeft()), shown.size()),
      palette().color(QPalette::Button), viewport());
  viewport()->update();
}

void TWdgTableHeader::mouseMoveEvent(QMouseEvent* event) {
  if (!drag_) {
    QHeaderView::mouseMoveEvent(event);
    return;
  }
  const QPoint mouse = event->globalPosition().toPoint();
  drag_->MoveTo(mouse.x(), mouse.y());
  const int over = logicalIndexAt(event->position().toPoint());
  if (over >= 0 && over != target_) {
    target_ = over;
    viewport()->update();
  }
}

void TWdgTableHeader::mouseReleaseEvent(QMouseEvent* event) {
  if (!drag_) {
    QHeaderView::mouseReleaseEvent(event);
    return;
  }
  drag_.reset();
  const int from = source_, to = target_;
  source_ = target_ = -1;
  viewport()->update();
  if (from == to) table_.HeaderClicked(orientation(), from);
  else table_.CarrySection(orientation(), from, to);
}
