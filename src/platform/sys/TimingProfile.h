#pragma once
// The timing profile: every interval and retry count of the communication code is read
// through here, by name, with the system's own value as the default. Tests install a
// profile that scales intervals down (and may set single values), so nothing waits for
// real seconds.
#include <QHash>
#include <QString>

class TimingProfile {
public:
  // Intervals are multiplied by the scale (at least 1 ms remains); counts are not scaled.
  double scale = 1.0;
  QHash<QString, int> intervals; // exact values in ms, not scaled
  QHash<QString, int> counts;

  static const TimingProfile& Current();
  // Installs a profile (nullptr restores the defaults). The caller keeps ownership.
  static void SetCurrent(const TimingProfile* profile);

  int Interval(const QString& name, int defaultMs) const;
  int Count(const QString& name, int defaultCount) const;
};

// Shorthands for the current profile.
int TimingMs(const char* name, int defaultMs);
int TimingCount(const char* name, int defaultCount);

class ScopedTimingProfile {
public:
  explicit ScopedTimingProfile(const TimingProfile& profile) { TimingProfile::SetCurrent(&profile); }
  ~ScopedTimingProfile() { TimingProfile::SetCurrent(nullptr); }
  ScopedTimingProfile(const ScopedTimingProfile&) = delete;
  ScopedTimingProfile& operator=(const ScopedTimingProfile&) = delete;
};
