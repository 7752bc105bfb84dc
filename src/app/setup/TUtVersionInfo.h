#pragma once
// Reads the version data of a file: its language, fixed values and standard texts. An
// empty FileName stands for the running program. Only the running program has version
// data (from its build); any other existing file raises "File does not contain version
// info" when a value is first read.
#include "app/setup/VersionResource.h"
#include "store/settings/TUtComponent.h"
#include "store/settings/UtMessages.h"

#include <optional>

// A named text the version data lacks.
class EUtVersionInfoKeyError : public EUtException {
public:
  explicit EUtVersionInfoKeyError(int32_t id)
      : EUtException(OwnText{}, id, QStringLiteral("The specified key cannnot be found in version info")) {}
  const char* ClassName() const noexcept override { return "EUtVersionInfoError"; }
};

class TUtVersionInfo : public TUtComponent {
  Q_OBJECT

public:
  explicit TUtVersionInfo(QObject* owner = nullptr);

  QString FileName() const { return fileName_; }
  // A non-empty name of a missing file raises EUtVersionInfoError "Error opening file"; an
  // empty name stands for the running program. A changed name reads again on next use.
  void SetFileName(const QString& name);

  // Each read loads the data on first use: EUtVersionInfoError "File does not contain
  // version info" for a file without any.
  quint16 Language();
  quint16 CodePage();
  int TranslationCount();
  QString LanguageName();
  // "StringFileInfo\" + language and code page as four hexadecimal digits each + "\".
  QString TextPath();
  quint32 FileVersionMS();
  quint32 FileVersionLS();
  quint32 ProductVersionMS();
  quint32 ProductVersionLS();
  quint32 FileFlags();
  quint32 FileOS();
  quint32 FileType();
  quint64 FileDate();

  // A standard text; a missing one gives an empty text.
  QString CompanyName() { return Standard(QStringLiteral("CompanyName")); }
  QString FileDescription() { return Standard(QStringLiteral("FileDescription")); }
  QString FileVersion() { return Standard(QStringLiteral("FileVersion")); }
  QString InternalName() { return Standard(QStringLiteral("InternalName")); }
  QString LegalCopyright() { return Standard(QStringLiteral("LegalCopyright")); }
  QString LegalTrademarks() { return Standard(QStringLiteral("LegalTrademarks")); }
  QString OriginalFilename() { return Standard(QStringLiteral("OriginalFilename")); }
  QString ProductName() { return Standard(QStringLiteral("ProductName")); }
  QString ProductVersion() { return Standard(QStringLiteral("ProductVersion")); }
  QString Comments() { return Standard(QStringLiteral("Comments")); }
  // Any named text; one the data lacks raises EUtVersionInfoKeyError.
  QString Text(const QString& key);

private:
  const VersionResource& Data();
  QString Standard(const QString& key) { return Data().texts.value(key); }

  QString fileName_;
  std::optional<VersionResource> data_;
};
