#pragma once
// The "Save Progress" window of a long job-queue operation, when one is registered: shown
// at 0 with its caption, stepped, closed when this goes away.
#include <QString>

class JobProgress {
public:
  explicit JobProgress(const QString& caption);
  ~JobProgress();
  JobProgress(const JobProgress&) = delete;
  JobProgress& operator=(const JobProgress&) = delete;

  void Step(int percent);

private:
  void Show(int percent, bool close);

  QString caption_;
  bool shown_;
};
