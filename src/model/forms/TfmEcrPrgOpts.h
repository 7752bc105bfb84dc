#pragma once
// The Program ID editor of a driver: one grid row per program with its name, its editable
// Program ID (up to 255 characters) and when it was last sent and saved ("Never" for a
// stamp of 0). An edited Program ID goes into its program as soon as the cell is left;
// "Set All Program ID's to Default" gives every program the default; closing the window
// (also through Exit) stores every row's text into its program.
#include <QDialog>
#include <vector>

class QPushButton;
class TDateTime;
class TWdgTable;
class TWdgTCColHead;
class TWdgTCString;
class tEcr;

class TfmEcrPrgOpts : public QDialog {
  Q_OBJECT
public:
  TfmEcrPrgOpts(tEcr& ecr, QString defaultId, QWidget* parent = nullptr);

  TWdgTable* Table() const { return table_; }
  // The row's Program ID text (rows from 1).
  const QString& IdText(int row) const { return ids_[size_t(row - 1)]; }
  void SetAllToDefault();

  // "Never" for 0, else like "Monday, March 2, 2026, 10:15 AM".
  static QString StampText(TDateTime stamp);

  void done(int result) override;

private:
  void CellData(int row, int col, QString*& data);
  void StoreRow(int row);

  tEcr& ecr_;
  QString defaultId_;
  std::vector<QString> ids_;
  QString scratch_;
  TWdgTable* table_;
  TWdgTCColHead* head_;
  TWdgTCString* cell_;
};
