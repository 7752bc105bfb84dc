// The job queue's menu operations and the follow-up offered after a single job.
#include "comm/jobs/tHistory.h"

#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "comm/jobs/JobProgress.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/sys/PumpDelay.h"

namespace {
const QString User = QStringLiteral("User");

// A new action of the program class for the machine, holding a copy of the program.
template <class Actn>
std::unique_ptr<tActn> PrgAction(const tMachine& machine, const tEcrPrg& prg) {
  std::unique_ptr<Actn> actn = tActn::New<Actn>(&machine, machine.Ecr());
  actn->SetPrg(&prg);
  return actn;
}

std::unique_ptr<tActn> PrgAction(tEcr::PrgMode mode, const tMachine& machine, const tEcrPrg& prg) {
  return mode == tEcr::ModeSend ? PrgAction<tActnPrgSnd>(machine, prg) : PrgAction<tActnPrgRec>(machine, prg);
}

std::unique_ptr<tMachine> ChooseMachine() {
  std::unique_ptr<tMachine> machine = SelectMachine(false);
  if (machine && !machine->Ecr()) return nullptr;
  return machine;
}
} // namespace

// A menu job has no completion callback and comes from the user.
void tHistory::QueueMenuJob(const tMachine& machine, const tActn& actn, const QString& name) {
  tHistoryEvent job(nullptr, &actn, machine.CommPort, machine.MachineId, name, User, false);
  QueueEvent(job);
}

void tHistory::QueuePrompted() {
  std::unique_ptr<tMachine> machine = ChooseMachine();
  if (!machine) return;
  std::unique_ptr<tActn> actn;
  tActn::SelectActn(machine.get(), actn, *machine->Ecr());
  if (!actn) return;
  QueueMenuJob(*machine, *actn, QStringLiteral("Prompted"));
  StartNext(machine->CommPort);
}

// The single-program operations start the port only when a program was chosen.
void tHistory::QueueAPrg(int mode, const QString& name) {
  const auto prgMode = tEcr::PrgMode(mode);
  std::unique_ptr<tMachine> machine = ChooseMachine();
  if (!machine) return;
  std::unique_ptr<tEcrPrg> prg = machine->Ecr()->SelectAPrg(prgMode);
  if (!prg) return;
  std::unique_ptr<tActn> actn = PrgAction(prgMode, *machine, *prg);
  QueueMenuJob(*machine, *actn, name);
  StartNext(machine->CommPort);
}

void tHistory::QueueSendAPrg() { QueueAPrg(tEcr::ModeSend, QStringLiteral("Send a Prog")); }

void tHistory::QueueSaveAPrg() { QueueAPrg(tEcr::ModeSave, QStringLiteral("Save a Prog")); }

void tHistory::QueueSendPrgs() { QueuePrgs(tEcr::ModeSend, QStringLiteral("Send Programs")); }

void tHistory::QueueSavePrgs() { QueuePrgs(tEcr::ModeSave, QStringLiteral("Save Programs")); }

void tHistory::QueuePrgs(int mode, const QString& name) {
  const auto prgMode = tEcr::PrgMode(mode);
  std::unique_ptr<tMachine> machine = ChooseMachine();
  if (!machine) return;
  std::optional<std::vector<tEcr::ChosenPrg>> chosen = machine->Ecr()->SelectPrgs(prgMode);
  if (!chosen) return;
  for (const tEcr::ChosenPrg& c : *chosen) {
    if (!c.Prg) continue;
    std::unique_ptr<tActn> actn = PrgAction(prgMode, *machine, *c.Prg);
    QueueMenuJob(*machine, *actn, name);
  }
  StartNext(machine->CommPort);
}

void tHistory::QueueSendAll() { QueueAll(tEcr::ModeSend, QStringLiteral("Send All")); }

void tHistory::QueueSaveAll() { QueueAll(tEcr::ModeSave, QStringLiteral("Save All")); }

void tHistory::QueueAll(int mode, const QString& name) {
  const auto prgMode = tEcr::PrgMode(mode);
  std::unique_ptr<tMachine> machine = ChooseMachine();
  if (!machine) return;
  {
    JobProgress progress(QStringLiteral("Getting Program List"));
    QStringList names;
    if (prgMode == tEcr::ModeSend)
      machine->Ecr()->PrgsToSendAll(names);
    else
      machine->Ecr()->PrgsToSave(names);
    const int count = int(names.size());
    for (int i = 0; i < count; ++i) {
      PumpMessage();
      if (std::unique_ptr<tEcrPrg> prg = machine->Ecr()->FindPrgByName(names[i])) {
        std::unique_ptr<tActn> actn = PrgAction(prgMode, *machine, *prg);
        QueueMenuJob(*machine, *actn, name);
      }
      progress.Step(i * 100 / count);
    }
  }
  StartNext(machine->CommPort);
}

bool tHistory::FollowUp(std::unique_ptr<tHistoryEvent>& job, const tMachine& machine) {
  const tActn* done = job ? job->GetActn() : nullptr;
  const tEcr* ecr = machine.Ecr();
  if (!done || !ecr) return false;
  std::unique_ptr<tActn> actn;
  if (done->Is<tActnPrgSnd>() || done->Is<tActnPrgRec>()) {
    const auto mode = done->Is<tActnPrgSnd>() ? tEcr::ModeSend : tEcr::ModeSave;
    std::unique_ptr<tEcrPrg> prg = ecr->SelectAPrg(mode);
    if (!prg) return false;
    actn = PrgAction(mode, machine, *prg);
  } else if (done->Is<tActnRpt>()) {
    std::unique_ptr<tEcrRpt> rpt = ecr->SelectARpt();
    if (!rpt || !rpt->MntRptOpts()) return false;
    auto poll = tActn::New<tActnRpt>(&machine, ecr);
    poll->SetRpt(rpt.get());
    actn = std::move(poll);
  } else {
    return false;
  }
  tHistoryEvent next(nullptr, actn.get(), machine.CommPort, machine.MachineId, job->ScriptId, User, false);
  QueueEvent(next);
  std::unique_ptr<tHistoryEvent> loaded = LoadPendingEvent(next.EventId);
  if (!loaded) return false;
  job = std::move(loaded);
  return true;
}
