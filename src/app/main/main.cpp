// The program: the application object, the windows of every library, the communication
// controller as the job queue's session starter, the dispatcher and the main window.
#include "StartOptions.h"

#include "app/TMainActivation.h"
#include "app/TdmEffector.h"
#include "app/forms/AppForms.h"
#include "app/forms/TApplication.h"
#include "app/forms/TBoxPrompter.h"
#include "app/forms/TfrmMainMenu.h"
#include "app/machines/forms/MachinesForms.h"
#include "app/query/QueryServer.h"
#include "app/setup/forms/SetupForms.h"
#include "comm/actions/forms/ActionsForms.h"
#include "comm/jobs/forms/JobsForms.h"
#include "comm/link/forms/LinkForms.h"
#include "comm/scripts/forms/ScriptsForms.h"
#include "comm/session/TfmComCtrl.h"
#include "comm/session/forms/SessionForms.h"
#include "model/forms/ModelForms.h"
#include "reports/engine/forms/ReportEngineForms.h"
#include "reports/forms/ReportsForms.h"
#include "platform/sys/Prompter.h"

namespace {
void RegisterForms() {
  RegisterLinkForms();
  RegisterModelForms();
  RegisterReportEngineForms();
  RegisterReportsForms();
  RegisterActionsForms();
  RegisterJobsForms();
  RegisterScriptsForms();
  RegisterSessionForms();
  RegisterMachinesForms();
  RegisterSetupForms();
  RegisterAppForms();
}
} // namespace

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  const StartOptions options = ParseStartOptions();
  TBoxPrompter prompter;
  const ScopedPrompter boxes(prompter);
  RegisterForms();

  TfmComCtrl controller;
  TMainActivation activation;
  activation.SetSessionStarter(&controller);
  TdmEffector effector;
  TfrmMainMenu window(effector, activation);
  window.show();
  if (QueryServer* server = QueryServer::Start([&window] { window.showMinimized(); }))
    activation.SetNoticeSink([server](const QString& notice) { server->Notice(notice); });
  ApplyStartOptions(options, window);
  return app.exec();
}
