#pragma once
// "Opening Tables": the wait window while the inventory export opens its tables.
#include <QDialog>

class TfrmOpenTable : public QDialog {
  Q_OBJECT
public:
  explicit TfrmOpenTable(QWidget* parent = nullptr);
};
