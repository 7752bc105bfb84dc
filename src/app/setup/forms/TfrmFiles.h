#pragma once
// "Preferences": the export type, the retry values, the calendar switch on the "General"
// page; the financial report setting and the PLU listing file's options on "CRS Options".
// OK stores them (an export key only when its value was changed); Cancel stores nothing.
#include "app/setup/Preferences.h"

#include <QDialog>

class QCheckBox;
class QTabWidget;
class RetryFields;
class TRadioGroup;

class TfrmFiles : public QDialog {
  Q_OBJECT
public:
  explicit TfrmFiles(QWidget* parent = nullptr);

private:
  QWidget* GeneralPage();
  QWidget* CrsOptionsPage();
  void Show(const Preferences& values);
  Preferences Chosen() const;
  void Ok();

  Preferences shown_;
  QTabWidget* pages_;
  TRadioGroup* exportType_;
  RetryFields* retries_;
  QCheckBox* calendar_;
  QCheckBox* crsFinancial_;
  QCheckBox* crsHeaders_;
  TRadioGroup* listing_;
};
