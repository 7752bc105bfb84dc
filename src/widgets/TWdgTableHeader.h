#pragma once
// The table's locked cells: the heading row is the horizontal header, the locked first column
// the vertical one. Each section is painted by the table's cell component for that cell, so
// headings and locked cells look and read as the table's own cells.
#include "widgets/TWdgDragShow.h"

#include <QHeaderView>
#include <memory>

class TWdgTable;

class TWdgTableHeader : public QHeaderView {
  Q_OBJECT
public:
  TWdgTableHeader(Qt::Orientation orientation, TWdgTable& table);

  // Whether a heading dragged with the mouse carries its column (row) to another place. A
  // picture of the heading follows the mouse, and a line marks where it would go.
  bool Movable() const { return movable_; }
  void SetMovable(bool movable) { movable_ = movable; }
  // The picture while a heading is dragged, else nullptr.
  const TWdgDragShow* DragShow() const { return drag_.get(); }
  int DragTarget() const { return target_; }

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  // Beyond the last section the header shows the table's unused colour.
  void paintEvent(QPaintEvent* event) override;

private:
  // Near a section's edge the mouse sizes it instead.
  bool NearEdge(const QPoint& point, int logical) const;
  QRect SectionRect(int logical) const;

  TWdgTable& table_;
  bool movable_ = false;
  std::unique_ptr<TWdgDragShow> drag_;
  int source_ = -1;
  int target_ = -1;
};
