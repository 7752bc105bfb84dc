#include "BenchHome.h"

#include <QDir>

BenchHome::BenchHome() {
  qputenv("XDG_DATA_HOME", (home_.path() + QStringLiteral("/data")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/config")).toLocal8Bit());
  QDir().mkpath(home_.path() + QStringLiteral("/config/tillbridge"));
  scoped_.emplace(profile_);
}
