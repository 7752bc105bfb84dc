#pragma once
// The receive of one program chain: every table of the chain decodes into a staging
// twin; Commit then replaces the rows of every local table together in one transaction
// of the program database and stamps each program's LastSvd. Nothing changes before
// Commit, so a receive that fails part-way leaves every table as it was.
#include "model/TStagingArea.h"

#include <QList>

class TTable;
class tEcrPrg;

class TProgramReceive {
public:
  // databaseName: the program database.
  explicit TProgramReceive(QString databaseName);

  // The staging twin (empty, open) of the program's table, whose structure is given.
  TTable& Twin(tEcrPrg& program, const TTableDef& structure);
  void Commit();

private:
  QString databaseName_;
  TStagingArea stage_;
  QList<tEcrPrg*> programs_;
};
