#pragma once
// The choice of a machine's port: the serial library's port chooser, its answer given as
// the text a machine stores ("Direct to COM" and the port number).
#include <QString>

namespace TfmGetCommPort {
// True and the chosen text in port when the user confirms; false and port unchanged when not.
bool PickPort(QString& port);
} // namespace TfmGetCommPort
