#include "comm/jobs/forms/JobsForms.h"

#include "comm/jobs/JobForms.h"
#include "comm/jobs/forms/TfmHistoryMaint.h"
#include "platform/sys/FormRegistry.h"

void RegisterJobsForms() {
  FormRegistry::Register<HistoryQueueRequest>([](HistoryQueueRequest& request) {
    auto* form = new TfmHistoryMaint(nullptr, request.queueName);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    request.window = form;
    return 1;
  });
}
