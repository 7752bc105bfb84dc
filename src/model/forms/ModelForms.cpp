#include "model/forms/ModelForms.h"

#include "model/EcrForms.h"
#include "model/forms/TfmSaveProgress.h"
#include "platform/sys/FormRegistry.h"

#include <QHash>
#include <QPointer>

namespace {
// One progress window per subject, from its first request until the one that closes it.
int ShowSaveProgress(SaveProgressRequest& request) {
  static QHash<TObject*, QPointer<TfmSaveProgress>> open;
  QPointer<TfmSaveProgress>& window = open[request.subject];
  if (request.close) {
    delete window.data();
    open.remove(request.subject);
    return 0;
  }
  if (!window) window = new TfmSaveProgress;
  window->setWindowTitle(request.caption.isEmpty() ? QStringLiteral("Save Progress") : request.caption);
  window->show();
  window->SetPercent(request.percent);
  return 0;
}
} // namespace

void RegisterModelForms() { FormRegistry::Register<SaveProgressRequest>(ShowSaveProgress); }
