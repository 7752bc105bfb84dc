#include "reports/forms/AllPollsGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

AllPollsGrid::AllPollsGrid(QWidget* parent) : QTableView(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAlternatingRowColors(true);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void AllPollsGrid::mousePressEvent(QMouseEvent* event) {
  shiftHeld_ = event->modifiers().testFlag(Qt::ShiftModifier);
  QTableView::mousePressEvent(event);
}

QItemSelectionModel::SelectionFlags AllPollsGrid::selectionCommand(const QModelIndex& index, const QEvent* event) const {
  const bool mouse = event && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove);
  if (mouse && static_cast<const QMouseEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier))
    return QItemSelectionModel::NoUpdate;
  return QTableView::selectionCommand(index, event);
}
