#pragma once
// A queue window: "History" lists every ended job with a colour per outcome and lets the
// user retry, delete or inspect jobs; any other name lists the waiting and running jobs
// of that port ("Pending": of every port), which can be inspected or cancelled. It shows
// the files as they were when it opened. Closing tells the job queue.
#include <QWidget>

class QTableWidget;
class tHistoryEvent;

class TfmHistoryMaint : public QWidget {
  Q_OBJECT
public:
  static constexpr int StatusColumn = 5;
  static constexpr int ColourColumn = 8;

  TfmHistoryMaint(QWidget* parent, const QString& queueName);

  bool ShowsHistory() const;
  // The data rows' ids, top to bottom (the empty row gives an empty id).
  QStringList RowIds() const;

  void Retry();
  void Delete();
  void Properties();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void BuildGrid();
  int StatusColumnWidth() const;
  QWidget* BuildLegend();
  QWidget* BuildButtons();
  void Load();
  void FillRow(int row, const tHistoryEvent& job);
  std::unique_ptr<tHistoryEvent> LoadJob(const QString& id);
  // The selected rows as one range, top to bottom.
  QList<int> SelectedRows() const;
  void MoveTo(int row);
  void DeleteRow(int row);

  QString queueName_;
  QTableWidget* grid_ = nullptr;
};
