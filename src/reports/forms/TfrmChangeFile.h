#pragma once
// "Change File Name": the output file of the inventory export. OK needs a name; the
// caller records it. Browse picks one with the save dialog (".DTA" files).
#include <QDialog>

class QFileDialog;
class QLineEdit;

class TfrmChangeFile : public QDialog {
  Q_OBJECT
public:
  explicit TfrmChangeFile(QWidget* parent = nullptr);
  QString FileName() const;

  void btnBrowseClick();
  void btnOKClick();

private:
  QLineEdit* edtOutFile_;
  QFileDialog* dlgOutFile_;
};
