#pragma once
// The save dialog that asks for a poll export's file. Tests put a chooser of their own in
// its place, so no test waits on a real dialog.
#include <QString>

#include <functional>

class QWidget;

namespace PollExportFile {
// The chosen file name; empty when the user cancels.
QString Ask(QWidget* parent);

using Chooser = std::function<QString(QWidget* parent)>;
// Installs a chooser (an empty one restores the dialog).
void SetChooser(Chooser chooser);
} // namespace PollExportFile
