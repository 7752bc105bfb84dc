#include "store/settings/SettingsFile.h"

#include "platform/sys/Folders.h"
#include "store/settings/TUtRegIni.h"

#include <QFileInfo>
#include <array>

namespace {
struct AliasFile {
  const char* alias;
  const char* fileName;
};

constexpr std::array<AliasFile, 4> kSettingsFiles = {{
    {"V6_CRS_DATA", "vaze424.cgr"},
    {"V6_SAMSUNG_DATA", "ipsa424.cgr"},
    {"V6_SHARP_DATA", "ipsh424.cgr"},
    {"V6_TEC_DATA", "ipte424.cgr"},
}};

// The executable's full path with its extension replaced by (or, without one, given) ".cgr".
QString executableSettingsPath() {
  const QString path = Folders::ExecutablePath();
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return (dot > slash + 1 ? path.left(dot) : path) + QStringLiteral(".cgr");
}
} // namespace

QString GetDataAlias() { return QStringLiteral("V6_CRS_DATA"); }

QString SettingsFileName(const QString& alias) {
  for (const AliasFile& entry : kSettingsFiles)
    if (alias == QLatin1String(entry.alias)) return QString::fromLatin1(entry.fileName);
  return QString();
}

QString SettingsFilePath(const QString& alias) {
  const QString name = SettingsFileName(alias);
  if (name.isEmpty()) return executableSettingsPath();
  const QString folder =
      Folders::CommonFolderExists() ? Folders::CommonFolder() : Folders::ExecutableFolder();
  return folder + QLatin1Char('/') + name;
}

QString SettingsFilePath() { return SettingsFilePath(GetDataAlias()); }

std::unique_ptr<TUtRegIni> OpenSettingsFile(const QString& section) {
  auto store = std::make_unique<TUtRegIni>(SettingsFilePath(), true);
  store->CreateKey(section);
  store->SetSection(section);
  return store;
}
