#pragma once
// The names in report rows come from the register's own program tables: the driver's
// program of a class (found by exact class name on first use, and looked for again at
// every record while it is missing) gives the table, and its row with the record's number
// as primary key gives the name. A missing program or row gives "Undefined".
//
// The look-up reads through a cursor of its own on that table: the program object's
// table may be open in a maintenance window with a row half edited, and moving it would
// post that row. NamePrg belongs to the driver; the look-up never frees it.
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class TTable;
class tEcrFnct;
class tEcrPrg;

class TEcrNameLookup {
public:
  TEcrNameLookup();
  ~TEcrNameLookup();
  TEcrNameLookup(const TEcrNameLookup&) = delete;
  TEcrNameLookup& operator=(const TEcrNameLookup&) = delete;

  tEcrPrg* NamePrg = nullptr;

  // The text of column nameColumn in the row whose key is the key, for a report owned
  // by a register driver; "Undefined" when there is none.
  QString Find(const tEcrFnct& report, const QString& programClass, const QVariant& key, const QString& nameColumn);
  // The values of several columns of that row, in the order asked; an empty list when the
  // driver has no such program or the program no such row.
  QVariantList FindFields(const tEcrFnct& report, const QString& programClass, const QVariant& key,
                          const QStringList& columns);

private:
  TTable* NameTable();

  std::unique_ptr<TTable> table_;
};
