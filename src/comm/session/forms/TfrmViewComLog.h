#pragma once
// "View Comm Log": a grid over the communication log (ID, Result, MachineID, StoreNumber,
// MachineNumber, CommType, StartTime, EndTime, Duration, under their display labels), the
// progress text of the current row, a navigator, and "Export :Log", which writes that text
// to a file the user names. A log that cannot be opened shows an empty grid.
#include <QDialog>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QPushButton;
class QTableView;
class TEngineTableModel;
class TTable;

class TfrmViewComLog : public QDialog {
  Q_OBJECT
public:
  explicit TfrmViewComLog(QWidget* parent = nullptr);
  ~TfrmViewComLog() override;

  // Asks for the file of an export; an empty answer cancels. A save dialog unless set.
  void SetChooseExportFile(std::function<QString(QWidget*)> choose) { chooseExportFile_ = std::move(choose); }

  QTableView* Grid() const { return grid_; }
  // The current row's "LogEntry"; empty without a row.
  QString CurrentLogEntry() const;
  void ExportLog();

private:
  void BuildGrid();
  void BuildNavigator(class QBoxLayout* layout);
  void ShowCurrent();
  void Move(int row);
  int Column(const QString& field) const;

  std::unique_ptr<TTable> table_;
  TEngineTableModel* model_ = nullptr;
  QTableView* grid_;
  QPlainTextEdit* entry_;
  QPushButton* export_;
  std::function<QString(QWidget*)> chooseExportFile_;
};
