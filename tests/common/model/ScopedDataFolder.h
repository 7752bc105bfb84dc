#pragma once
// Gives a test a data folder of its own: the data alias points into the given folder for
// the scope, and at its end the engine's databases are closed and the alias removed, so
// that the next test in the same process starts with no tables.
#include <QString>

class ScopedDataFolder {
public:
  explicit ScopedDataFolder(const QString& folder);
  ~ScopedDataFolder();
  ScopedDataFolder(const ScopedDataFolder&) = delete;
  ScopedDataFolder& operator=(const ScopedDataFolder&) = delete;
};
