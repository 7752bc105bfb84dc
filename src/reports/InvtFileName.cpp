#include "reports/InvtFileName.h"

#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"
#include "reports/InvtUpdtForms.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

namespace InvtFileName {
QString Read() {
  return OpenSettingsFile(QString::fromLatin1(kSection))->ReadString(QString::fromLatin1(kKey), QString::fromLatin1(kNoFile));
}

QString GetInvtFileName() {
  if (Read() == QLatin1String(kNoFile)) ChangeInvtFile();
  return Read();
}

bool ChangeInvtFile() {
  if (!FormRegistry::Has<ChangeInvtFileRequest>()) return false;
  ChangeInvtFileRequest request;
  if (FormRegistry::Show(request) != EcrForms::FormOk || request.fileName.isEmpty()) return false;
  OpenSettingsFile(QString::fromLatin1(kSection))->WriteString(QString::fromLatin1(kKey), request.fileName);
  return true;
}
} // namespace InvtFileName
