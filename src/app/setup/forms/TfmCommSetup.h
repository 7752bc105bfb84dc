#pragma once
// "Communications Setup": the retry values only. OK writes History.txt into the data
// folder and hands the values to the job queue for this run (the settings file is left
// alone); when History.txt cannot be written the user is told and the window stays open.
// Shown non-modally, centred on the screen.
#include <QDialog>

class RetryFields;

class TfmCommSetup : public QDialog {
  Q_OBJECT
public:
  explicit TfmCommSetup(QWidget* parent = nullptr);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void Ok();

  RetryFields* retries_;
};
