#pragma once
// "All Polls", the browser of stored polls: one row a poll, newest last. From it the user
// previews a poll (the Preview button or a double-click; one preview at a time), prints
// the selected polls, deletes polls (a financial poll as a whole, never one of its
// sections) and sets the zero-skip rule of the report forms. The navigator moves through
// the rows, deletes and reads the table again; the grid is read-only.
//
// Selection: a click makes its row current and the anchor of the next Shift-click; a
// Shift-click adds every row shown from the lower "Poll Id" of the two to the higher, in
// the grid's order (up to the end of the grid), and the higher becomes the anchor.
#include <QDialog>

#include <memory>

class AllPollsFilter;
class AllPollsGrid;
class QCheckBox;
class QModelIndex;
class QPushButton;
class QToolButton;
class TEngineTableModel;
class TTable;

class TfrmAllPolls : public QDialog {
  Q_OBJECT
public:
  explicit TfrmAllPolls(QWidget* parent = nullptr);
  ~TfrmAllPolls() override;

  // The "Poll Id" of the current row (0 without one) and of the selected rows, in Poll Id order.
  qint32 CurrentPollId() const;
  QList<qint32> SelectedPollIds() const;
  qint32 LastClickedPollId() const { return lastClicked_; }

  void BtnPreviewClick();
  void btnPrintClick();
  // Exports the selected polls (the current one when fewer than two are selected) to a
  // file the user chooses.
  void btnExportClick();
  // Consolidates the polls of the current poll's type inside ranges the user gives.
  void btnConsClick();
  // The navigator's delete.
  void DeleteClick();

private:
  void BuildNavigator(class QHBoxLayout* top);
  void CellClick(const QModelIndex& index);
  void SelectRange(qint32 from, qint32 to);
  void TitleClick(int logicalColumn);
  void DoAReport(bool print);
  void Reload(qint32 keepPollId);
  void MoveTo(int row);
  void Consolidate(qint32 pollId);

  std::unique_ptr<TTable> table_;
  std::unique_ptr<TEngineTableModel> model_;
  AllPollsFilter* filter_;
  AllPollsGrid* grid_;
  QCheckBox* zeroSkip_;
  QPushButton* print_;
  QPushButton* preview_;
  QPushButton* export_;
  QPushButton* cons_;
  qint32 lastClicked_ = 0;
  bool previewOpen_ = false;
};
