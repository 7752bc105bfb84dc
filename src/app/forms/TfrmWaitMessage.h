#pragma once
// The small wait window shown during slow work: a tool window without title-bar buttons,
// "Database Message", holding the label OpenMessage with the caller's text.
#include <QDialog>

class QLabel;

class TfrmWaitMessage : public QDialog {
  Q_OBJECT
public:
  explicit TfrmWaitMessage(QWidget* parent = nullptr);
  void SetText(const QString& text);

private:
  QLabel* openMessage_;
};
