#include "SetupFormsFixture.h"

#include "app/setup/SetupForms.h"
#include "app/setup/forms/SetupForms.h"
#include "platform/sys/FormRegistry.h"
#include "store/settings/SettingsFile.h"

#include <QFile>

SetupFormsFixture::SetupFormsFixture() {
  QFile::remove(SettingsFilePath());
  RegisterSetupForms();
}

SetupFormsFixture::~SetupFormsFixture() {
  FormRegistry::Unregister<PreferencesRequest>();
  FormRegistry::Unregister<CommSetupRequest>();
  FormRegistry::Unregister<AboutRequest>();
}

void SetupFormsFixture::Shoot(QWidget& widget, const char* name) {
  const QByteArray folder = qgetenv("TB_SHOT_DIR");
  if (!folder.isEmpty()) widget.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
}
