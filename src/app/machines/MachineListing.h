#pragma once
// The machine listing: a landscape letter report titled "Machine Listing", with the date
// and time it was printed and the page number at the top of each page, the column headings
// "Id", "Store", "Machine", "ROM ", "Prog Id", "Mfg.", "Model", "Port", "Baud", "Switch",
// "Switch Type", and one line per listed machine in list order, read afresh from the
// machine list. An id that is no longer stored is left out; an empty list prints nothing.
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptReport.h"

#include <QStringList>
#include <memory>

class tMachine;

struct MachineListing {
  RptMemoryRows rows;
  std::unique_ptr<RptReport> report;
};

namespace MachineListingDef {
// The column headings, which are also the names of the rows' fields.
const QStringList& Headings();
// One line of a machine: its fields in the order of the headings, numbers as decimal text.
QList<RptValue> Line(const tMachine& machine);
} // namespace MachineListingDef

std::unique_ptr<MachineListing> MakeMachineListing(const QStringList& ids);
