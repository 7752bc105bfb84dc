#include "comm/session/MachineWriteBack.h"

#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tMachine.h"

MachineWriteBack::MachineWriteBack(const tMachine& copy) : start_(Read(copy)) {}

QHash<QString, MachineWriteBack::Stamps> MachineWriteBack::Read(const tMachine& machine) {
  QHash<QString, Stamps> stamps;
  const tEcr* ecr = machine.Ecr();
  if (!ecr) return stamps;
  for (int i = 1; i <= ecr->PrgCount(); ++i)
    if (const tEcrPrg* prg = ecr->Prg(i))
      stamps.insert(prg->ClassName(), {prg->LastMod(), prg->LastSvd(), prg->LastSnt()});
  return stamps;
}

bool MachineWriteBack::Merge(const tMachine& copy) {
  const QHash<QString, Stamps> now = Read(copy);
  std::unique_ptr<tMachine> stored;
  bool changed = false;
  for (auto it = now.begin(); it != now.end(); ++it) {
    const Stamps before = start_.value(it.key());
    const Stamps& after = it.value();
    const bool mod = after.mod.Days() != before.mod.Days();
    const bool svd = after.svd.Days() != before.svd.Days();
    const bool snt = after.snt.Days() != before.snt.Days();
    if (!mod && !svd && !snt) continue;
    if (!stored) stored = FindMachine(copy.MachineId);
    if (!stored || !stored->Ecr()) return false;
    tEcrPrg* prg = stored->Ecr()->FindPrgByClass(it.key());
    if (!prg) continue;
    if (mod) prg->SetLastMod(after.mod);
    if (svd) prg->SetLastSvd(after.svd);
    if (snt) prg->SetLastSnt(after.snt);
    changed = true;
  }
  start_ = now;
  if (changed) stored->Update();
  return changed;
}
