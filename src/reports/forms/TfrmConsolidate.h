#pragma once
// "Consolidation Ranges": the date, store and machine ranges, the poll type and area of a
// consolidation, and whether to export the result. OK accepts only whole numbers and ranges
// that do not run backwards; otherwise "Options Not OK" and the dialog stays open.
#include "reports/ConsolidationRanges.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

class TfrmConsolidate : public QDialog {
  Q_OBJECT
public:
  explicit TfrmConsolidate(QWidget* parent = nullptr);

  // The ranges as entered; valid after OK.
  const ConsolidationRanges& Ranges() const { return ranges_; }
  bool ExportToFile() const;
  void btnOKClick();

private:
  QLineEdit* AddNumber(class QFormLayout& form, const char* name, const char* caption);

  QDateEdit* beginDate_;
  QDateEdit* stopDate_;
  QLineEdit* firstStore_ = nullptr;
  QLineEdit* lastStore_ = nullptr;
  QLineEdit* firstMachine_ = nullptr;
  QLineEdit* lastMachine_ = nullptr;
  QComboBox* type_;
  QComboBox* area_;
  QCheckBox* export_;
  ConsolidationRanges ranges_;
};
