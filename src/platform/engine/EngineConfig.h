#pragma once
// The engine's configuration: the file "engine.ini" in the common folder. Section
// "Aliases" maps an alias name to its folder; section "Engine" holds "DLLPath", the
// folder in which the table-definition library is looked for first.
//
// Two aliases need no entry: the data alias "V6_CRS_DATA" is the folder "data" under the
// per-user data folder, and "ProgDatabase" (the program tables) is the folder
// "Program Data" inside the data alias's folder. An entry overrides either.
// Without "DLLPath" the library is looked for beside the engine's own library.
#include <QString>
#include <QStringList>
#include <optional>

namespace EngineConfig {
inline constexpr char kDataAlias[] = "V6_CRS_DATA";
inline constexpr char kProgDatabase[] = "ProgDatabase";
inline constexpr char kDatabaseFileName[] = "tillbridge.db";
inline constexpr char kProgramDataFolder[] = "Program Data";
inline constexpr char kBackupFolder[] = "Backup";

QString FilePath();

// The folder of an alias (no trailing separator); nullopt for an alias that is neither
// configured nor one of the two built in.
std::optional<QString> AliasPath(const QString& alias);
// True when the alias's folder is the built-in default, which the engine creates on
// first use; a configured folder that is missing is reported instead.
bool IsDefaultFolder(const QString& alias);
// Configured aliases, then the built-in ones not configured.
QStringList AliasNames();
// Writes or removes an alias entry (the common folder is created when needed).
void SetAlias(const QString& alias, const QString& folder);
void DeleteAlias(const QString& alias);

// "DLLPath" of section "Engine"; when not configured, the folder of the engine's own
// library, beside which the program's libraries are installed.
QString DLLPath();
void SetDLLPath(const QString& folder);
} // namespace EngineConfig
