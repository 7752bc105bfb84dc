#pragma once
// "About Polling": the product name and version from the program's version data, the
// operating system, the physical memory and, for a pre-release build, the yellow
// "Pre-Release Version" notice. Missing version data or notice leave the box without
// them, silently; a damaged attachment is reported and the box opens without the notice.
#include <QDialog>

class QLabel;

class TAboutBox : public QDialog {
  Q_OBJECT
public:
  // attachmentFile: the file whose appended data holds the notice (empty: the running
  // program, as always outside tests).
  explicit TAboutBox(QWidget* parent = nullptr, const QString& attachmentFile = QString());
};
