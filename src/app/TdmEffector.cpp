#include "app/TdmEffector.h"

#include "app/IScheduleService.h"
#include "app/NotYetAvailable.h"
#include "app/setup/SetupForms.h"
#include "comm/jobs/tHistory.h"
#include "comm/scripts/ScrptList.h"
#include "comm/scripts/tScrpt.h"
#include "comm/session/CommLogForms.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tMachine.h"
#include "platform/sys/FormRegistry.h"
#include "reports/InvtUpdtForms.h"
#include "reports/RptForms.h"

namespace {
template <class R>
void ShowForm() {
  R request;
  FormRegistry::Show(request);
}

// The installed schedule service, or nullptr after telling the user it is missing.
IScheduleService* Schedules(const QString& what) {
  IScheduleService* service = ScheduleService();
  if (!service) ShowNotYetAvailable(what);
  return service;
}
} // namespace

TdmEffector::TdmEffector() = default;
TdmEffector::~TdmEffector() = default;

void TdmEffector::PromptedPoll() { TheHistory().QueuePrompted(); }

void TdmEffector::PollAScript() {
  const std::unique_ptr<tMachine> machine = SelectMachine(false);
  if (!machine) return;
  const std::unique_ptr<tScrpt> script = SelectScrpt(machine.get(), machine->Ecr(), false);
  if (!script) return;
  script->RunScrpt(*machine, false, {}, false, false, QString(), false, QStringLiteral("User"));
}

void TdmEffector::PollASchedule() {
  IScheduleService* service = Schedules(QStringLiteral("Running a schedule"));
  if (!service) return;
  if (std::unique_ptr<ISchedule> schedule = service->SelectSchedule(0)) service->Run(std::move(schedule), 0);
}

void TdmEffector::SaveAPrg() { TheHistory().QueueSaveAPrg(); }
void TdmEffector::SaveSelectedPrgs() { TheHistory().QueueSavePrgs(); }
void TdmEffector::SaveAllPrg() { TheHistory().QueueSaveAll(); }
void TdmEffector::SendAPrg() { TheHistory().QueueSendAPrg(); }
void TdmEffector::SendSelectedPrgs() { TheHistory().QueueSendPrgs(); }
void TdmEffector::SendAllPrg() { TheHistory().QueueSendAll(); }

void TdmEffector::TestFm() {
  const std::unique_ptr<tMachine> machine = SelectMachine(false);
  if (!machine || !machine->Ecr()) return;
  while (std::unique_ptr<tEcrPrg> program = machine->Ecr()->SelectAPrg(tEcr::ModeMaint)) program->Maintain();
}

void TdmEffector::DoMachineMaint() { machine_ = SelectMachine(true); }

void TdmEffector::ScriptMaint() {
  const std::unique_ptr<tMachine> machine = SelectMachine(false);
  if (!machine) return;
  SelectScrpt(machine.get(), machine->Ecr(), true);
}

void TdmEffector::DoSchedMaint() {
  if (IScheduleService* service = Schedules(QStringLiteral("Schedule maintenance"))) service->SelectSchedule(1);
}

void TdmEffector::EditCalendar() {
  if (IScheduleService* service = Schedules(QStringLiteral("The calendar"))) service->EditCalendar();
}

void TdmEffector::DoReports() { ShowForm<AllPollsRequest>(); }
void TdmEffector::DoFileNames() { ShowForm<PreferencesRequest>(); }
void TdmEffector::DoExports() { ShowForm<InvtUpdtRequest>(); }
void TdmEffector::SetupCommPort() { ShowForm<CommSetupRequest>(); }
void TdmEffector::ShowLog() { ShowForm<ViewCommLogRequest>(); }
void TdmEffector::ShowHistory() { TheHistory().ShowQueue(QStringLiteral("History")); }
void TdmEffector::ShowAbout() { ShowForm<AboutRequest>(); }
void TdmEffector::ShowHelp() { ShowNotYetAvailable(QStringLiteral("Help")); }
