#include "app/setup/AboutInfo.h"

#include "app/setup/SystemInfo.h"
#include "app/setup/TUtVersionInfo.h"
#include "app/setup/TZorvExeAttachment.h"
#include "app/setup/ZorvErrors.h"

#include <QBuffer>

bool HasPreReleaseNotice(TZorvExeAttachment& reader) {
  QBuffer stream;
  stream.open(QIODevice::ReadWrite);
  reader.SetTargetStream(&stream);
  try {
    reader.ExtractSession(QStringLiteral("PreReleaseData"));
  } catch (const EZorvSessionNotFound&) {
    reader.SetTargetStream(nullptr);
    return false;
  }
  reader.SetTargetStream(nullptr);
  const QByteArray first = stream.data().split('\n').value(0);
  return (first.endsWith('\r') ? first.chopped(1) : first) == "PRERELEASE";
}

AboutInfo GatherAboutInfo(const QString& exeFile) {
  AboutInfo info;
  try {
    TUtVersionInfo version;
    version.SetFileName(exeFile);
    info.productName = version.ProductName();
    info.fileVersion = version.FileVersion();
  } catch (const EUtException&) {
    info.productName.reset();
    info.fileVersion.reset();
  }
  info.operatingSystem = SystemInfo::OperatingSystemLine();
  info.memory = SystemInfo::MemoryText(SystemInfo::PhysicalMemoryKB());
  return info;
}
