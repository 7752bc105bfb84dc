#include "reports/forms/PollExportFile.h"

#include <QFileDialog>

namespace {
PollExportFile::Chooser& Installed() {
  static PollExportFile::Chooser chooser;
  return chooser;
}
} // namespace

namespace PollExportFile {
QString Ask(QWidget* parent) {
  if (Installed()) return Installed()(parent);
  QFileDialog dialog(parent, QStringLiteral("Export"));
  dialog.setObjectName(QStringLiteral("dlgSave"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({QStringLiteral("Export File (*.txt)"), QStringLiteral("CSV File (*.csv)"), QStringLiteral("All Files (*)")});
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

void SetChooser(Chooser chooser) { Installed() = std::move(chooser); }
} // namespace PollExportFile
