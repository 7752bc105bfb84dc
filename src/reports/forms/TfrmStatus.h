#pragma once
// "Consolidation Status": the text of the step a consolidation is at, in a large font.
#include <QDialog>

class QLabel;

class TfrmStatus : public QDialog {
  Q_OBJECT
public:
  explicit TfrmStatus(QWidget* parent = nullptr);
  // Shows the step's text and lets the window repaint before the next step runs.
  void ShowStep(const QString& text);

private:
  QLabel* status_;
};
