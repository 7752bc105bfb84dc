#pragma once
// The data folder of one run of a tool: the data alias and the program database are
// opened over the folder given (its "Program Data" subfolder for the programs) for this
// process only, so every table the run reads or writes is there. The engine's
// configuration is left as it is; at the end every database is closed.
#include "platform/sys/Exception.h"

#include <QString>
#include <memory>

class TDatabase;

// The folder cannot be made or opened; the message says why.
TB_EXCEPTION(EDataFolder, Exception)

class PollDataFolder {
public:
  explicit PollDataFolder(const QString& folder);
  ~PollDataFolder();
  PollDataFolder(const PollDataFolder&) = delete;
  PollDataFolder& operator=(const PollDataFolder&) = delete;

  const QString& Folder() const { return folder_; }

private:
  QString folder_;
  std::unique_ptr<TDatabase> data_;
  std::unique_ptr<TDatabase> programs_;
};
