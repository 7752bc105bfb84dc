#pragma once
// Copies an engine table to plain text and back: a ".txt" file with one line of
// comma-joined field texts per row, and a ".mem" file with the bytes of the rows' blob
// fields (memo, blob and bytes fields), whose lengths stand in the lines in their place.
// Files are Windows-1252 with CRLF line ends; field texts are the engine's (numbers
// "12.34", dates "M/d/yyyy", logical "True"/"False").
//
// The table export (ExportTable / ImportTable) quotes a field that holds a comma, a
// double quote or a line break ("a, ""b""") so that it comes back as it was, and writes
// an empty text as "" so that it stays apart from no value; the import also reads the
// older files whose fields were never quoted. An empty blob and a missing one are the
// same to the text form (length 0) and come back as no value.
//
// The poll exports write the rows of one poll for other programs, in one of five
// layouts, appended to an export file. A field holding a comma, a double quote or a line
// break is quoted with its inner quotes doubled, so that it cannot shift the later fields
// of its line; every other field is written as it stands, and an empty one stays empty.
#include "platform/sys/TDateTime.h"

#include <QString>

class TDatabase;

// The values of a poll that the poll export layouts put in front of its rows; the caller
// takes them from the poll's row in the table of stored polls.
struct TPollExportValues {
  qint64 storeNumber = 0;
  qint64 machineNumber = 0;
  TDateTime ecrDate;
  qint64 zCounter = 0;
  QString reportName;
  QString pollType;
  QString polledArea;
};

// What an import did: rows stored and rows skipped because they could not be stored.
struct TTableImportResult {
  qint32 imported = 0;
  qint32 skipped = 0;
};

class TKDBBackup {
public:
  TKDBBackup() = default;

  // Empty the table before an import (default true).
  bool EmptyTables() const { return emptyTables_; }
  void SetEmptyTables(bool empty) { emptyTables_ = empty; }
  // The alias (or folder) of the tables. Setting it also sets WorkDir to the alias's
  // folder + "/TextBkup"; an alias the engine does not know raises its error.
  const QString& DatabaseName() const { return databaseName_; }
  void SetDatabaseName(const QString& name);
  // The folder of the ".txt" and ".mem" files.
  const QString& WorkDir() const { return workDir_; }
  void SetWorkDir(const QString& folder) { workDir_ = folder; }

  // Writes every row to WorkDir/fileName.txt (replaced) and the blob bytes to
  // WorkDir/fileName.mem (replaced; removed when there are none).
  void ExportTable(const QString& tableName, const QString& fileName);
  // Reads WorkDir/fileName.txt and .mem back into the table, emptied first when
  // EmptyTables is set, all in one transaction. A row that cannot be stored is skipped:
  // the first duplicate key is reported with the PLU message, the first other failure
  // with its own error, and at the end the number of skipped rows. A missing ".txt" file
  // raises EFOpenError before anything changes.
  TTableImportResult ImportTable(const QString& tableName, const QString& fileName);

  // The poll exports: the lines of the rows whose "Poll Id" is pollId, appended to the
  // export file (created when missing). Blob bytes go to WorkDir/tableName.mem, appended
  // in step with the export file (a new export file starts a new ".mem").
  // Layout 0, "Poll Id" and the rest of the row.
  void ExportPollRows(const QString& tableName, qint32 pollId, const TPollExportValues& poll, const QString& exportFile);
  // Layout 1: Store Number, Machine Number, Ecr Date, Z Counter, then the row after "Poll Id".
  void ExportPollByLocation(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                            const QString& exportFile);
  // Layout 2: Report Name, then as layout 1.
  void ExportPollByReportType(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                              const QString& exportFile);
  // Layout 3: as layout 1 with Poll Type and Polled Area before the row.
  void ExportPollByArea(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                        const QString& exportFile);
  // Layout 4 for the PLU report: Store Number, Machine Number, Ecr Date, Poll Id, then the
  // fields "Number", "Number", "Desc", "Amount", "Count", "Promo", "Waste", then 0, 0, 0.
  void ExportPollFoodTrakItems(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                               const QString& exportFile);
  // Layout 4 for the other reports: Store Number, Machine Number, Ecr Date, Poll Id, then
  // the row after "Poll Id".
  void ExportPollFoodTrak(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                          const QString& exportFile);

private:
  enum class PollLayout { Rows, ByLocation, ByReportType, ByArea, FoodTrakItems, FoodTrak };
  void ExportPoll(PollLayout layout, const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                  const QString& exportFile);
  TDatabase& Database() const;
  QString FilePath(const QString& fileName, const char* extension) const;

  bool emptyTables_ = true;
  QString databaseName_;
  QString workDir_;
};
