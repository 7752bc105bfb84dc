#pragma once
// The register's program tables a report form shows beside the report's rows (period
// captions from the time range program, say): each form table names the program class
// whose table it is given. A driver that lacks a program leaves that form table unbound.
#include <QList>
#include <QString>

class tEcrFnct;
class tEcrPrg;

struct Crs3000FormTable {
  QString formTable;    // the form's table field: "tblDesc", "tblGroup", ...
  QString programClass; // exact class name of the driver's program
  bool operator==(const Crs3000FormTable&) const = default;
};

struct Crs3000BoundTable {
  QString formTable;
  tEcrPrg* program; // belongs to the driver
};

namespace Crs3000FormTables {
// The programs of the report's owning driver for those form tables, in the order given;
// form tables whose program the driver lacks (or a report with no driver) are left out.
QList<Crs3000BoundTable> Bind(const tEcrFnct& report, const QList<Crs3000FormTable>& tables);
// The period captions alone, as most period reports show them.
QList<Crs3000FormTable> TimeRange();
} // namespace Crs3000FormTables
