#pragma once
// The fuzz entry over work files: any bytes as a work file, saved by one of the CRS 3000
// report classes the program has (the first byte chooses, the rest is the file) into a
// data folder of its own. A save must store a whole poll or nothing, and may fail only
// with the system's own exceptions; a broken rule is reported in the outcome.
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

class TClass;
class PollDataFolder;
class TimingProfile;
class ScopedTimingProfile;
class ScopedPrompter;
class Prompter;
class tMachine;

class WorkFileFuzz {
public:
  struct Outcome {
    QString rptClass;
    bool saved = false;
    QString error;     // the system's message of a failed save
    qint64 newRows = 0; // rows the save added, AllPolls rows included
    QString violation; // empty when the rules held
  };

  // The data folder and the work file go into the folder, which must exist.
  explicit WorkFileFuzz(const QString& folder);
  ~WorkFileFuzz();
  WorkFileFuzz(const WorkFileFuzz&) = delete;
  WorkFileFuzz& operator=(const WorkFileFuzz&) = delete;

  Outcome Run(const std::uint8_t* data, std::size_t size);

  // The concrete registered classes deriving from tEcrRptCrs3000 (the base left out), by name.
  static QList<const TClass*> ReportClasses();

private:
  QString workFile_;
  std::unique_ptr<TimingProfile> profile_;
  std::unique_ptr<ScopedTimingProfile> scopedProfile_;
  std::unique_ptr<Prompter> prompter_;
  std::unique_ptr<ScopedPrompter> scopedPrompter_;
  std::unique_ptr<PollDataFolder> data_;
  std::unique_ptr<tMachine> machine_;
};
