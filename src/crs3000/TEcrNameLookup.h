#pragma once
// The names in report rows come from the register's own program tables: the driver's
// program of a class (found by exact class name on first use, and looked for again at
// every record while it is missing) is opened, and its row with the record's number as
// primary key gives the name. A missing program or row gives "Undefined".
//
// NamePrg and NameTable belong to the driver; the look-up never frees them, and opens
// the table again when something closed it meanwhile.
#include <QString>
#include <QVariant>

class TTable;
class tEcrFnct;
class tEcrPrg;

class TEcrNameLookup {
public:
  tEcrPrg* NamePrg = nullptr;
  TTable* NameTable = nullptr;

  // The text of column nameColumn in the row whose key is the key, for a report owned
  // by a register driver; "Undefined" when there is none.
  QString Find(const tEcrFnct& report, const QString& programClass, const QVariant& key, const QString& nameColumn);
};
