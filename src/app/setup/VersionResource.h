#pragma once
// The program's version data, in the shape of a version resource: a language and code
// page, the fixed values and the standard texts. A Linux program file carries no such
// resource, so the program's own comes from its build; other files have none.
#include <QMap>
#include <QString>
#include <optional>

struct VersionResource {
  quint16 language = 0x0409;
  quint16 codePage = 1252;
  QString languageName;
  // The fixed values.
  quint32 fileVersionMS = 0;
  quint32 fileVersionLS = 0;
  quint32 productVersionMS = 0;
  quint32 productVersionLS = 0;
  quint32 fileFlagsMask = 0;
  quint32 fileFlags = 0;
  quint32 fileOS = 0;
  quint32 fileType = 0;
  quint32 fileSubType = 0;
  quint64 fileDate = 0;
  // Standard texts by name ("ProductName", "FileVersion", ...).
  QMap<QString, QString> texts;
};

// The names of the ten standard texts.
const QStringList& StandardVersionTexts();

// The running program's version data: the build's, unless a test replaced it.
std::optional<VersionResource> ProgramVersionResource();

// For tests: the program's version data for a scope (nullopt: a program without any).
class ScopedProgramVersionResource {
public:
  explicit ScopedProgramVersionResource(std::optional<VersionResource> resource);
  ~ScopedProgramVersionResource();
  ScopedProgramVersionResource(const ScopedProgramVersionResource&) = delete;
  ScopedProgramVersionResource& operator=(const ScopedProgramVersionResource&) = delete;

private:
  std::optional<std::optional<VersionResource>> previous_;
};
