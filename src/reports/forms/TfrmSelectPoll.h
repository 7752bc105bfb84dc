#pragma once
// "Select Poll": the stored PLU polls not yet written to the inventory file. OK writes the
// current poll, "Update All" every poll listed (each once); the window stays open and
// its list follows. The export's tables are open while the window is.
#include "reports/InvtUpdate.h"

#include <QDialog>
#include <memory>

class PollDatesProxy;
class QTableView;
class TEngineTableModel;
class TTable;

class TfrmSelectPoll : public QDialog {
  Q_OBJECT
public:
  explicit TfrmSelectPoll(const QString& fileName, PolUpdtFl::DeviceFactory factory = {}, QWidget* parent = nullptr);
  ~TfrmSelectPoll() override;

  // The Poll Id of the grid's current row, 0 without one.
  qint32 CurrentPollId() const;

  void btnOkClick();
  void Button1Click();

private:
  void Reload();

  InvtUpdate update_;
  std::unique_ptr<TTable> table_;
  std::unique_ptr<TEngineTableModel> model_;
  std::unique_ptr<PollDatesProxy> shown_;
  QTableView* grid_;
};
