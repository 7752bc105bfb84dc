#pragma once
// One INI-style profile file on disk, read and written the way settings files have
// always been: "[Section]" lines, "key=value" lines, names matched without regard to
// case, Windows-1252 bytes, CR LF line ends. The file is not held open between calls;
// each call reads it whole, and each write replaces it whole through a new file renamed
// over the old one. Every call on one path is serialised across the process, so stores
// and threads may share a file without losing each other's writes.
#include <QString>
#include <QStringList>
#include <optional>

class ProfileFile {
public:
  explicit ProfileFile(QString path);
  const QString& Path() const;

  // nullopt: missing (or unreadable) file, section or key. Blanks around the value are
  // trimmed and one pair of surrounding double quotes is removed.
  std::optional<QString> Read(const QString& section, const QString& key) const;
  // Creates the file, the section and the key as needed; any other line stays as it was.
  // Throws EProfileError when the file cannot be written or when a name or the value
  // cannot be stored (an empty name, a line break, "]" in a section name, "=" in a key,
  // a key starting with "[" or ";").
  void Write(const QString& section, const QString& key, const QString& value);
  // Removes the key's line; nothing happens when it is missing. Throws EProfileError
  // when the file cannot be written.
  void DeleteKey(const QString& section, const QString& key);
  bool HasSection(const QString& section) const;
  QStringList Sections() const;
  QStringList Keys(const QString& section) const;

private:
  QString path_;
};
