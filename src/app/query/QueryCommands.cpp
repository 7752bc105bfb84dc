#include "app/query/QueryCommands.h"

#include "app/query/QueryErrors.h"
#include "app/query/QueryKind.h"
#include "app/query/QueryPollList.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tMachine.h"

#include <memory>

namespace {
using Answerer = QStringList (*)(const tEcr& ecr, const QueryRequest& request);

// A list the driver fills.
template <void (tEcr::*Get)(QStringList&) const> QStringList DriverList(const tEcr& ecr, const QueryRequest&) {
  QStringList list;
  (ecr.*Get)(list);
  return list;
}

QStringList Available(const tEcr& ecr, const QueryRequest& request) {
  return {QueryKind::ReportClass(ecr, QueryKind::Parse(request.param))};
}

QStringList PollList(const tEcr& ecr, const QueryRequest& request) {
  return QueryPollList::Lines(QueryKind::ReportClass(ecr, QueryKind::Parse(request.param)), request.machineId);
}

QStringList Poll(const tEcr& ecr, const QueryRequest& request) {
  const qsizetype tab = request.param.indexOf(QLatin1Char('\t'));
  const QString idText = tab < 0 ? request.param : request.param.left(tab);
  const QueryKind::Kind kind = QueryKind::Parse(tab < 0 ? QString() : request.param.mid(tab + 1));
  // The driver gets the id's text as it came, once it is known to be a whole number.
  QueryKind::ParseInt(idText, "poll id");
  QStringList list;
  switch (kind) {
  case QueryKind::Plu: ecr.GetPLUPoll(list, idText); break;
  case QueryKind::Financial: ecr.GetFnclPoll(list, idText); break;
  case QueryKind::Group: ecr.GetGroupPoll(list, idText); break;
  case QueryKind::TimeKeeping: ecr.GetTKPoll(list, idText); break;
  }
  return list;
}

struct Command {
  const char* name;
  Answerer answer; // nullptr: the machine list, which names no machine
};

const Command kCommands[] = {
    {"MachineList", nullptr},
    {"PLUList", &DriverList<&tEcr::GetPLUList>},
    {"UPCList", &DriverList<&tEcr::GetUPCList>},
    {"GroupList", &DriverList<&tEcr::GetGroupList>},
    {"FnclList", &DriverList<&tEcr::GetFnclList>},
    {"EmplList", &DriverList<&tEcr::GetEmplList>},
    {"Available", &Available},
    {"PollList", &PollList},
    {"Poll", &Poll},
    {"PLUPrg", &DriverList<&tEcr::GetPLUPrgInfo>},
    {"UPCPrg", &DriverList<&tEcr::GetUPCPrgInfo>},
};

// Every stored machine: its id, then its driver's manufacturer, model and ROM names.
QStringList MachineLines() {
  QStringList ids;
  ListMachines(ids);
  QStringList lines;
  for (const QString& id : ids) {
    const std::shared_ptr<const tMachine> machine = ReadMachine(id);
    const tEcr* ecr = machine ? machine->Ecr() : nullptr;
    lines << (ecr ? QStringList{id, ecr->GetMfgName(), ecr->GetModelName(), ecr->GetRomName()}
                  : QStringList{id, QString(), QString(), QString()})
                 .join(QLatin1Char('\t'));
  }
  return lines;
}
} // namespace

namespace QueryCommands {
QStringList Names() {
  QStringList names;
  for (const Command& c : kCommands) names << QString::fromLatin1(c.name);
  return names;
}

QStringList Answer(const QueryRequest& request) {
  for (const Command& c : kCommands) {
    if (request.command != QLatin1String(c.name)) continue;
    if (!c.answer) return MachineLines();
    const std::shared_ptr<const tMachine> machine = ReadMachine(request.machineId);
    if (!machine || !machine->Ecr()) throw EQueryRequest(QStringLiteral("Machine not found"));
    return c.answer(*machine->Ecr(), request);
  }
  throw EQueryRequest(QStringLiteral("Unknown command '%1'").arg(request.command));
}
} // namespace QueryCommands
