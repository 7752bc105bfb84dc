#include "model/forms/ModelForms.h"

#include "model/EcrForms.h"
#include "model/forms/TfmEcrGet.h"
#include "model/forms/TfmEcrPrgOpts.h"
#include "model/forms/TfmEcrPrgSlct.h"
#include "model/forms/TfmEcrRptSlct.h"
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

int Answer(QDialog& form) { return form.exec() == QDialog::Accepted ? EcrForms::FormOk : 0; }
} // namespace

void RegisterModelForms() {
  FormRegistry::Register<SaveProgressRequest>(ShowSaveProgress);
  FormRegistry::Register<ModelChoiceRequest>([](ModelChoiceRequest& request) {
    TfmEcrGet form(request.choice, request.caption);
    return Answer(form);
  });
  FormRegistry::Register<PrgSelectRequest>([](PrgSelectRequest& request) {
    TfmEcrPrgSlct form(request.selection);
    return Answer(form);
  });
  FormRegistry::Register<RptSelectRequest>([](RptSelectRequest& request) {
    TfmEcrRptSlct form(request.selection);
    return Answer(form);
  });
  FormRegistry::Register<PrgIdRequest>([](PrgIdRequest& request) {
    TfmEcrPrgOpts form(request.ecr, request.defaultId);
    form.exec();
    return EcrForms::FormOk;
  });
}
