#include "platform/sys/TimingProfile.h"

#include <atomic>
#include <cmath>

namespace {
const TimingProfile& defaults() {
  static const TimingProfile profile;
  return profile;
}
std::atomic<const TimingProfile*> current{nullptr};
} // namespace

const TimingProfile& TimingProfile::Current() {
  const TimingProfile* p = current.load(std::memory_order_acquire);
  return p ? *p : defaults();
}

void TimingProfile::SetCurrent(const TimingProfile* profile) {
  current.store(profile, std::memory_order_release);
}

int TimingProfile::Interval(const QString& name, int defaultMs) const {
  const auto it = intervals.constFind(name);
  if (it != intervals.constEnd()) return *it;
  if (scale == 1.0 || defaultMs <= 0) return defaultMs;
  return std::max(1, static_cast<int>(std::lround(defaultMs * scale)));
}

int TimingProfile::Count(const QString& name, int defaultCount) const {
  const auto it = counts.constFind(name);
  return it != counts.constEnd() ? *it : defaultCount;
}

int TimingMs(const char* name, int defaultMs) {
  return TimingProfile::Current().Interval(QLatin1String(name), defaultMs);
}

int TimingCount(const char* name, int defaultCount) {
  return TimingProfile::Current().Count(QLatin1String(name), defaultCount);
}
