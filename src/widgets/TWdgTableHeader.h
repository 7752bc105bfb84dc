#pragma once
// The table's locked cells: the heading row is the horizontal header, the locked first column
// the vertical one. Each section is painted by the table's cell component for that cell, so
// headings and locked cells look and read as the table's own cells.
#include <QHeaderView>

class TWdgTable;

class TWdgTableHeader : public QHeaderView {
  Q_OBJECT
public:
  TWdgTableHeader(Qt::Orientation orientation, TWdgTable& table);

protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  // Beyond the last section the header shows the table's unused colour.
  void paintEvent(QPaintEvent* event) override;

private:
  TWdgTable& table_;
};
