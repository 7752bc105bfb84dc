#pragma once
// Where the settings file lives and how a section of it is opened.
//
// The file's name follows the data alias ("vaze424.cgr" for "V6_CRS_DATA"). It lives in
// the common folder (Folders::CommonFolder()) when that folder exists, otherwise beside
// the executable. For an alias outside the table it is always the executable's own path
// with the extension ".cgr".
#include <QString>
#include <memory>

class TUtRegIni;

// The data alias of the system's data folder: "V6_CRS_DATA".
QString GetDataAlias();
// The settings file's name for an alias; empty for an alias outside the table.
QString SettingsFileName(const QString& alias);
// The settings file's full path for an alias, and for the data alias.
QString SettingsFilePath(const QString& alias);
QString SettingsFilePath();
// A store over the settings file with the section created when missing and made
// current. The file is not checked: a missing file reads as empty and is created by the
// first write. Raises EUtRegIniError (9 for an empty section, 5 or 7 when the section
// cannot be added to the file).
std::unique_ptr<TUtRegIni> OpenSettingsFile(const QString& section);
