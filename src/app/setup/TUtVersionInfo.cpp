#include "app/setup/TUtVersionInfo.h"

#include "platform/sys/Folders.h"

#include <QFileInfo>

TUtVersionInfo::TUtVersionInfo(QObject* owner) : TUtComponent(owner), fileName_(Folders::ExecutablePath()) {}

void TUtVersionInfo::SetFileName(const QString& name) {
  const QString file = name.isEmpty() ? Folders::ExecutablePath() : name;
  if (!name.isEmpty() && !QFileInfo(name).isFile()) throw EUtVersionInfoError(UtMessages::SFileOpenError);
  if (file != fileName_) data_.reset();
  fileName_ = file;
}

const VersionResource& TUtVersionInfo::Data() {
  if (data_) return *data_;
  const QString own = QFileInfo(Folders::ExecutablePath()).canonicalFilePath();
  std::optional<VersionResource> found;
  if (QFileInfo(fileName_).canonicalFilePath() == own) found = ProgramVersionResource();
  if (!found) throw EUtVersionInfoError(UtMessages::SNoVersionInfo);
  data_ = std::move(found);
  return *data_;
}

quint16 TUtVersionInfo::Language() { return Data().language; }
quint16 TUtVersionInfo::CodePage() { return Data().codePage; }
int TUtVersionInfo::TranslationCount() { return Data().language || Data().codePage ? 1 : 0; }
QString TUtVersionInfo::LanguageName() { return Data().languageName; }

QString TUtVersionInfo::TextPath() {
  const VersionResource& data = Data();
  const auto hex = [](quint16 value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper(); };
  return QStringLiteral("StringFileInfo\\") + hex(data.language) + hex(data.codePage) + QLatin1Char('\\');
}

quint32 TUtVersionInfo::FileVersionMS() { return Data().fileVersionMS; }
quint32 TUtVersionInfo::FileVersionLS() { return Data().fileVersionLS; }
quint32 TUtVersionInfo::ProductVersionMS() { return Data().productVersionMS; }
quint32 TUtVersionInfo::ProductVersionLS() { return Data().productVersionLS; }
quint32 TUtVersionInfo::FileFlags() { return Data().fileFlags; }
quint32 TUtVersionInfo::FileOS() { return Data().fileOS; }
quint32 TUtVersionInfo::FileType() { return Data().fileType; }
quint64 TUtVersionInfo::FileDate() { return Data().fileDate; }

QString TUtVersionInfo::Text(const QString& key) {
  const VersionResource& data = Data();
  const auto it = data.texts.constFind(key);
  if (it == data.texts.cend()) throw EUtVersionInfoKeyError(UtMessages::SVersionInfoUnreadable);
  return *it;
}
