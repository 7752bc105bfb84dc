#pragma once
// The save of one poll: the report (and the sections that continue it in the same work
// file) decode into a staging area; Commit then writes the AllPolls rows, numbered afresh
// and consecutively in the order they were made, and the report rows, their "Poll Id"
// moved by the same amount, in one transaction behind the process-wide save lock.
// Nothing is written before Commit, so a save that fails leaves no row anywhere; a report
// row whose staged poll id is not one of the save's own 1 .. n fails the whole save.
#include "model/TStagingArea.h"

#include <QList>
#include <QString>

class TTable;
class tEcrRpt;

class TPollSave {
public:
  // A poll to export once the save is committed: the report's class, table and staged
  // poll id, and the file to export into.
  struct Export {
    QString className;
    QString tableName;
    qint32 stagedPollId = 0;
    QString file;
  };

  // databaseName: where the stored polls and report tables are (the data alias).
  explicit TPollSave(QString databaseName);
  TPollSave(const TPollSave&) = delete;
  TPollSave& operator=(const TPollSave&) = delete;

  // The staging twin of the report table whose structure is given, open.
  TTable& ReportRows(const TTableDef& structure);
  // The staging twin of AllPolls, open; AddPoll appends to it. Its "Poll Id" values
  // count from 1 in the order the rows were made.
  TTable& Polls();
  void AddExport(Export entry) { exports_.append(std::move(entry)); }
  const QList<Export>& Exports() const { return exports_; }

  // Writes everything into the database. Afterwards RealPollId maps a staged
  // poll id to the stored one.
  void Commit();
  bool Committed() const { return committed_; }
  qint32 RealPollId(qint32 stagedPollId) const;
  // What the save wrote, for undoing it: the stored poll ids first .. last (0 .. -1 when
  // none) and the report tables that got rows.
  qint32 FirstPollId() const { return qint32(offset_ + 1); }
  qint32 LastPollId() const { return qint32(offset_ + pollCount_); }
  QStringList ReportTables() const;

private:
  QStringList StagedReportTables() const;

  QString databaseName_;
  TStagingArea stage_;
  QList<Export> exports_;
  bool committed_ = false;
  qint64 offset_ = 0;
  qint64 pollCount_ = 0;
};
