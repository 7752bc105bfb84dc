#include "comm/jobs/JobProgress.h"

#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"

JobProgress::JobProgress(const QString& caption)
    : caption_(caption), shown_(FormRegistry::Has<SaveProgressRequest>()) {
  Show(0, false);
}

JobProgress::~JobProgress() {
  try {
    Show(100, true);
  } catch (...) {
  }
}

void JobProgress::Step(int percent) { Show(percent, false); }

void JobProgress::Show(int percent, bool close) {
  if (!shown_) return;
  SaveProgressRequest request{.subject = nullptr, .caption = caption_, .percent = qBound(0, percent, 100), .close = close};
  FormRegistry::Show(request);
}
