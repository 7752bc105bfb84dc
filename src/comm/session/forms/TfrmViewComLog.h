#pragma once
// "View Comm Log": a grid over the communication log (ID, Result, MachineID, StoreNumber,
// MachineNumber, CommType, StartTime, EndTime, Duration, under their display labels), the
// progress text of the current row, a navigator, "Print Log" (that text on the default
// printer), "Print Table" (a preview of the "Log Table" listing) and "Export :Log", which
// writes that text to a file the user names. A log that cannot be opened shows an empty grid.
#include <QDialog>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QPrinter;
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

  // The printer of "Print Log" and "Print Table": the default printer unless set.
  void SetPrinterFactory(std::function<std::unique_ptr<QPrinter>()> make) { makePrinter_ = std::move(make); }

  QTableView* Grid() const { return grid_; }
  // The current row's "LogEntry"; empty without a row.
  QString CurrentLogEntry() const;
  void ExportLog();
  void PrintLog();
  void PrintTable();

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
  QPushButton* printLog_;
  QPushButton* printTable_;
  QPushButton* export_;
  std::function<QString(QWidget*)> chooseExportFile_;
  std::function<std::unique_ptr<QPrinter>()> makePrinter_;
};
