#include "app/DataFolder.h"

#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"

QString OpenDataFolder() {
  const TDatabase& database = TSession::Default().Database(GetDataAlias());
  QString folder = database.Folder();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}
