#pragma once
// The grid of the stored-poll browser: whole rows, several at a time. A click with Shift
// held is left to the browser, which selects by "Poll Id" between the clicked row and the
// row clicked before (not by the rows' places, as a grid would), so the grid itself does
// nothing with it.
#include <QTableView>

class AllPollsGrid : public QTableView {
  Q_OBJECT
public:
  explicit AllPollsGrid(QWidget* parent = nullptr);
  // Whether Shift was held at the last mouse press.
  bool ShiftHeld() const { return shiftHeld_; }

protected:
  void mousePressEvent(QMouseEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
  bool shiftHeld_ = false;
};
