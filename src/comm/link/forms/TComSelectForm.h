#pragma once
// The "Select Port" dialog: the com port opens it when no port number is set. It lists the
// ports that can be used (including ones another program holds) and returns the choice.
#include <QDialog>

class QComboBox;

class TComSelectForm : public QDialog {
  Q_OBJECT
public:
  explicit TComSelectForm(QWidget* parent = nullptr);

  // The number after "COM" of the selected entry; 0 when the list is empty.
  int SelectedPort() const;

private:
  QComboBox* ports_;
};
