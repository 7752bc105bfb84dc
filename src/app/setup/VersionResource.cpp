#include "app/setup/VersionResource.h"

#include "app/setup/BuildVersion.h"

#include <QStringList>

namespace {
VersionResource Built() {
  VersionResource r;
  r.languageName = QStringLiteral("English (United States)");
  r.fileVersionMS = (TB_BUILD_VERSION_MAJOR << 16) | TB_BUILD_VERSION_MINOR;
  r.fileVersionLS = static_cast<quint32>(TB_BUILD_VERSION_PATCH) << 16;
  r.productVersionMS = r.fileVersionMS;
  r.productVersionLS = r.fileVersionLS;
  r.fileFlagsMask = 0x3F;
  r.fileType = 1; // an application
  const QString version = QStringLiteral(TB_BUILD_VERSION);
  r.texts = {{QStringLiteral("ProductName"), QStringLiteral(TB_BUILD_PRODUCT_NAME)},
             {QStringLiteral("ProductVersion"), version},
             {QStringLiteral("FileVersion"), version},
             {QStringLiteral("FileDescription"), QStringLiteral("Back office for CRS 3000 registers")},
             {QStringLiteral("InternalName"), QStringLiteral(TB_BUILD_PRODUCT_NAME)},
             {QStringLiteral("OriginalFilename"), QStringLiteral(TB_BUILD_PRODUCT_NAME)}};
  return r;
}

// Set while a test replaces the program's version data.
std::optional<std::optional<VersionResource>>& Replacement() {
  static std::optional<std::optional<VersionResource>> replacement;
  return replacement;
}
} // namespace

const QStringList& StandardVersionTexts() {
  static const QStringList names = {
      QStringLiteral("CompanyName"),     QStringLiteral("FileDescription"), QStringLiteral("FileVersion"),
      QStringLiteral("InternalName"),    QStringLiteral("LegalCopyright"),  QStringLiteral("LegalTrademarks"),
      QStringLiteral("OriginalFilename"), QStringLiteral("ProductName"),    QStringLiteral("ProductVersion"),
      QStringLiteral("Comments")};
  return names;
}

std::optional<VersionResource> ProgramVersionResource() {
  if (Replacement()) return *Replacement();
  return Built();
}

ScopedProgramVersionResource::ScopedProgramVersionResource(std::optional<VersionResource> resource)
    : previous_(Replacement()) {
  Replacement() = std::move(resource);
}

ScopedProgramVersionResource::~ScopedProgramVersionResource() { Replacement() = previous_; }
