#pragma once
// The places the system keeps its files.
#include <QString>

namespace Folders {
// The common folder of the engine and the settings: $XDG_CONFIG_HOME/tillbridge (or
// ~/.config/tillbridge). It counts only when it exists; see CommonFolderExists().
QString CommonFolder();
bool CommonFolderExists();
// The per-user data folder under which the default data folder lives:
// $XDG_DATA_HOME/tillbridge (or ~/.local/share/tillbridge).
QString UserDataFolder();
// The folder of the running program file and its full path.
QString ExecutableFolder();
QString ExecutablePath();
} // namespace Folders
