#include "app/forms/AppForms.h"

#include "app/AppForms.h"
#include "app/forms/TfmSetup.h"
#include "app/forms/TfrmCommMenu.h"
#include "app/forms/TfrmWaitMessage.h"
#include "platform/sys/FormRegistry.h"

#include <QApplication>

void RegisterAppForms() {
  FormRegistry::Register<SetupMenuRequest>([](SetupMenuRequest& request) {
    TfmSetup form(request.effector, QApplication::activeWindow());
    return form.exec();
  });
  FormRegistry::Register<CommMenuRequest>([](CommMenuRequest& request) {
    TfrmCommMenu form(request.effector, QApplication::activeWindow());
    return form.exec();
  });
  FormRegistry::Register<WaitMessageRequest>([](WaitMessageRequest& request) {
    auto* form = new TfrmWaitMessage;
    form->SetText(request.text);
    form->show();
    request.close = [form] { delete form; };
    return 0;
  });
}
