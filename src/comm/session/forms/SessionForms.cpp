#include "comm/session/forms/SessionForms.h"

#include "comm/session/CommLogForms.h"
#include "comm/session/ISessionWindow.h"
#include "comm/session/forms/TfrmCommunicate.h"
#include "comm/session/forms/TfrmViewComLog.h"
#include "platform/sys/FormRegistry.h"

void RegisterSessionForms() {
  FormRegistry::Register<ViewCommLogRequest>([](ViewCommLogRequest&) {
    auto* form = new TfrmViewComLog;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return 0;
  });
  FormRegistry::Register<CommWindowRequest>([](CommWindowRequest& request) {
    auto* form = new TfrmCommunicate(request);
    form->show();
    request.window = form;
    return 0;
  });
}
