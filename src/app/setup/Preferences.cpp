#include "app/setup/Preferences.h"

#include "comm/jobs/tHistory.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"

namespace {
namespace K = SettingsKeys;

QString Name(const char* text) { return QString::fromLatin1(text); }

bool Read(const K::BooleanKey& key) {
  return OpenSettingsFile(Name(key.Section))->ReadBoolean(Name(key.Key), key.Default);
}
qint32 Read(const K::IntegerKey& key) {
  return OpenSettingsFile(Name(key.Section))->ReadInteger(Name(key.Key), key.Default);
}
void Write(const K::BooleanKey& key, bool value) {
  OpenSettingsFile(Name(key.Section))->WriteBoolean(Name(key.Key), value);
}
void Write(const K::IntegerKey& key, qint32 value) {
  OpenSettingsFile(Name(key.Section))->WriteInteger(Name(key.Key), value);
}
} // namespace

Preferences LoadPreferences() {
  Preferences p;
  p.exportFormat = Read(K::ExportFormat::Format);
  const tHistory& queue = TheHistory();
  p.initRetry = queue.GetInitRetry();
  p.defRetry = queue.GetDefRetry();
  p.waitTime = queue.GetWaitTime();
  p.calendarActive = Read(K::CalendarFiles::Active);
  p.crs3000Fncl = Read(K::Reporting::CRS3000Fncl);
  p.crsHeaders = Read(K::CRSExport::Headers);
  p.listingIndex = Read(K::CRSExport::ListingIndex);
  return p;
}

void StorePreferences(const Preferences& shown, const Preferences& chosen) {
  Write(K::History::InitRetry, chosen.initRetry);
  Write(K::History::DefRetry, chosen.defRetry);
  Write(K::History::WaitTime, chosen.waitTime);
  HandRetriesToQueue(chosen.initRetry, chosen.defRetry, chosen.waitTime);
  Write(K::ExportFormat::Format, chosen.exportFormat);
  Write(K::CalendarFiles::Active, chosen.calendarActive);
  if (chosen.listingIndex != shown.listingIndex) Write(K::CRSExport::ListingIndex, chosen.listingIndex);
  if (chosen.crsHeaders != shown.crsHeaders) Write(K::CRSExport::Headers, chosen.crsHeaders);
  Write(K::Reporting::CRS3000Fncl, chosen.crs3000Fncl);
}

void HandRetriesToQueue(qint32 initRetry, qint32 defRetry, qint32 waitTime) {
  tHistory& queue = TheHistory();
  queue.SetInitRetry(initRetry);
  queue.SetDefRetry(defRetry);
  queue.SetWaitTime(waitTime);
}
