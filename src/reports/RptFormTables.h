#pragma once
// The register's programs a report form reads beside the poll's rows, bound to the form by
// their form table names ("tblDesc", "tblEmp", ...), each through a cursor of its own on
// its first row. A program the driver lacks, or one never received, is bound as a table
// with no rows: look-ups fail and every field reads as empty.
#include "crs3000/Crs3000FormTables.h"
#include "reports/RptKeyedSource.h"

#include <QHash>

#include <memory>

class RptReport;

class RptFormTables {
public:
  void Bind(RptReport& form, const tEcrFnct& report, const QList<Crs3000FormTable>& tables);
  // The table bound under the name; an empty table when none is.
  RptKeyedSource& Table(const QString& formTable);

private:
  QHash<QString, std::shared_ptr<RptKeyedSource>> tables_;
  RptNoRows none_;
};
