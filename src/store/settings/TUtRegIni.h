#pragma once
// The settings store: typed values with defaults in one section of an INI-style
// settings file. Every read, write and CreateKey runs under the store's own lock, so
// threads may share a store; stores over one file share the file's process-wide lock.
//
// Values as the file holds them: Booleans "TRUE"/"FALSE", integers in decimal, strings
// as given, floats in the 23-character form " 1.50000000000000E+0000" (15 significant
// digits; a double that needs more reads back as the nearest 15-digit value).
// Reads never fail: a missing, empty or unreadable value gives the default.
#include "platform/profile/ProfileFile.h"

#include <QString>
#include <cstdint>
#include <mutex>

class TUtRegIni {
public:
  // name: the INI file's path. Raises EUtRegIniError 2 for an empty name. The registry
  // mode (isIni false) is not supported and raises EUtRegIniError 4.
  TUtRegIni(const QString& name, bool isIni);
  TUtRegIni(const TUtRegIni&) = delete;
  TUtRegIni& operator=(const TUtRegIni&) = delete;

  const QString& FileName() const { return fileName_; }
  // The section every read and write addresses (empty at creation).
  void SetSection(const QString& section);
  QString CurrentSection() const;

  // Makes sure the section exists; the file then holds at least its header line.
  // Raises EUtRegIniError 9 for an empty name, 5 or 7 when the file cannot be written.
  void CreateKey(const QString& name);

  // Writes raise EUtRegIniError 40 for an empty key and 7 when the file cannot be written.
  void WriteBoolean(const QString& key, bool value);
  bool ReadBoolean(const QString& key, bool defaultValue) const;
  void WriteInteger(const QString& key, int32_t value);
  int32_t ReadInteger(const QString& key, int32_t defaultValue) const;
  void WriteString(const QString& key, const QString& value);
  // At most 1023 characters of the value.
  QString ReadString(const QString& key, const QString& defaultValue) const;
  void WriteFloat(const QString& key, double value);
  double ReadFloat(const QString& key, double defaultValue) const;

private:
  // The key's value, or an empty text when it is missing or unreadable.
  QString readValue(const QString& key) const;
  void writeValue(const QString& key, const QString& value);

  QString fileName_;
  ProfileFile file_;
  QString trueText_;
  QString falseText_;
  QString section_;
  mutable std::mutex lock_;
};
