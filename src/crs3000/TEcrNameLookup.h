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
#include <QHash>
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

  // As FindFields, for a report's record numbers (from 1, blockSize to a block, asked in
  // rising order): the rows of a run of whole blocks from the key's block are read in one
  // query, when number 1 is asked for (a poll starts there, so every poll sees the program
  // as it is then) or a number outside the run; a poll costs a read every few blocks.
  QVariantList FindFieldsInBlock(const tEcrFnct& report, const QString& programClass, int key, int blockSize,
                                 const QStringList& columns);

private:
  TTable* NameTable();
  bool HasProgram(const tEcrFnct& report, const QString& programClass);
  void ReadRun(int first, int span, const QStringList& columns); // the table has a one-field primary key

  std::unique_ptr<TTable> table_;
  // The rows of the keys runFirst_ .. runFirst_ + runSpan_ - 1 that the program holds.
  QHash<int, QVariantList> run_;
  int runFirst_ = 0;
  int runSpan_ = 0;
  QStringList runColumns_;
};
