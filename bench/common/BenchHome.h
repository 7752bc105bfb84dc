#pragma once
// A benchmark run keeps everything the program stores in a folder of its own (data and
// settings), and reads work files without a pause between blocks. Made first in main,
// before the application object, which reads the folders.
#include "platform/sys/TimingProfile.h"

#include <QString>
#include <QTemporaryDir>
#include <optional>

class BenchHome {
public:
  BenchHome();
  QString FilePath(const QString& name) const { return home_.filePath(name); }

private:
  QTemporaryDir home_;
  TimingProfile profile_;
  std::optional<ScopedTimingProfile> scoped_;
};
