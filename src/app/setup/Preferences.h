#pragma once
// The values of the "Preferences" window: loaded from the settings file and the job
// queue, stored back when the user presses OK.
#include <QtGlobal>

struct Preferences {
  qint32 exportFormat = 0; // "ExportFormat"/"Format", 0..4
  qint32 initRetry = 0;    // the job queue's retry values
  qint32 defRetry = 0;
  qint32 waitTime = 0;
  bool calendarActive = false; // "CalendarFiles"/"Active"
  bool crs3000Fncl = false;    // "Reporting"/"CRS3000Fncl"
  bool crsHeaders = false;     // "CRSExport"/"Headers"
  qint32 listingIndex = 0;     // "CRSExport"/"ListingIndex", 0..2

  bool operator==(const Preferences&) const = default;
};

// The settings with their defaults, and the retry values of the job queue (made when it
// does not exist yet).
Preferences LoadPreferences();

// Writes the retry values, the export format, the calendar and the financial setting, and
// hands the retry values to the job queue. Each "CRSExport" key is written only when its
// value differs from the one the window showed: an absent "Headers" means true to the PLU
// listing export but false to the window, so an untouched key must stay absent.
void StorePreferences(const Preferences& shown, const Preferences& chosen);

// Hands the three retry values to the job queue (made when it does not exist yet).
void HandRetriesToQueue(qint32 initRetry, qint32 defRetry, qint32 waitTime);
