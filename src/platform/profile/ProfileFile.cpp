#include "platform/profile/ProfileFile.h"

#include "platform/profile/EProfileError.h"
#include "platform/profile/ProfileLocks.h"
#include "platform/profile/ProfileText.h"
#include "platform/profile/SafeFileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <mutex>

namespace {
enum class Load { Read, Missing, Unreadable };

Load loadBytes(const QString& path, QByteArray& bytes) {
  QFile file(path);
  if (!file.exists()) return Load::Missing;
  if (!file.open(QIODevice::ReadOnly)) return Load::Unreadable;
  bytes = file.readAll();
  return file.error() == QFileDevice::NoError ? Load::Read : Load::Unreadable;
}

// The text of the file for a read: a missing or unreadable file reads as empty.
ProfileText readText(const QString& path) {
  QByteArray bytes;
  return loadBytes(path, bytes) == Load::Read ? ProfileText::Parse(bytes) : ProfileText();
}

// The text of the file for an edit: a file that exists but cannot be read is never
// replaced, or its other settings would be lost.
ProfileText editText(const QString& path) {
  QByteArray bytes;
  if (loadBytes(path, bytes) == Load::Unreadable)
    throw EProfileError(QStringLiteral("Cannot read file %1").arg(path));
  return ProfileText::Parse(bytes);
}

bool hasLineBreak(const QString& text) {
  return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QString checkedSection(const QString& section) {
  const QString name = ProfileText::TrimBlanks(section);
  if (name.isEmpty() || hasLineBreak(name) || name.contains(QLatin1Char(']')))
    throw EProfileError(QStringLiteral("Invalid section name \"%1\"").arg(section));
  return name;
}

QString checkedKey(const QString& key) {
  const QString name = ProfileText::TrimBlanks(key);
  if (name.isEmpty() || hasLineBreak(name) || name.contains(QLatin1Char('=')) ||
      name.startsWith(QLatin1Char('[')) || name.startsWith(QLatin1Char(';')))
    throw EProfileError(QStringLiteral("Invalid key name \"%1\"").arg(key));
  return name;
}
} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

const QString& ProfileFile::Path() const { return path_; }

std::optional<QString> ProfileFile::Read(const QString& section, const QString& key) const {
  std::lock_guard<std::mutex> hold(ProfileLocks::ForPath(path_));
  return readText(path_).Value(ProfileText::TrimBlanks(section), ProfileText::TrimBlanks(key));
}

void ProfileFile::Write(const QString& section, const QString& key, const QString& value) {
  const QString sectionName = checkedSection(section);
  const QString keyName = checkedKey(key);
  if (hasLineBreak(value))
    throw EProfileError(QStringLiteral("The value of %1 holds a line break").arg(keyName));
  std::lock_guard<std::mutex> hold(ProfileLocks::ForPath(path_));
  ProfileText text = editText(path_);
  text.SetValue(sectionName, keyName, value);
  SafeFileWrite::Replace(path_, text.Bytes());
}

void ProfileFile::DeleteKey(const QString& section, const QString& key) {
  std::lock_guard<std::mutex> hold(ProfileLocks::ForPath(path_));
  if (!QFileInfo::exists(path_)) return;
  ProfileText text = editText(path_);
  if (text.RemoveKey(ProfileText::TrimBlanks(section), ProfileText::TrimBlanks(key)))
    SafeFileWrite::Replace(path_, text.Bytes());
}

bool ProfileFile::HasSection(const QString& section) const {
  std::lock_guard<std::mutex> hold(ProfileLocks::ForPath(path_));
  return readText(path_).HasSection(ProfileText::TrimBlanks(section));
}

QStringList ProfileFile::Sections() const {
  std::lock_guard<std::mutex> hold(ProfileLocks::ForPath(path_));
  return readText(path_).Sections();
}

QStringList ProfileFile::Keys(const QString& section) const {
  std::lock_guard<std::mutex> hold(ProfileLocks::ForPath(path_));
  return readText(path_).Keys(ProfileText::TrimBlanks(section));
}
