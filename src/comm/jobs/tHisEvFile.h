#pragma once
// The object files of jobs: "Pending" (the queued and running jobs) and "History" (the
// ended ones). One key field "HisEvId" (a string of up to 9 characters) filled from the
// job's EventId, with the primary unique index "HisEvId".
#include "store/odb/TObjectFile.h"

class tHisEvFile : public TObjectFile {
  TB_OBJECT(tHisEvFile)
public:
  tHisEvFile(TObjectDatabase& database, const QString& tableName);
  // Closes the file while this class's hooks still exist.
  ~tHisEvFile() override;

  void SetKeyFields(const TObject& obj) override;
  void DefineFields() override;
  void DefineIndexes() override;

  // Positions the file on the job with that id; false when there is none.
  bool FindId(const QString& eventId);
  // The highest id by number, empty when the file is empty. (The key's text order stops
  // following the numbers beyond "999999".)
  QString LastId();
  // An SQL ordering of the key column by number.
  static QString NumericOrder(bool descending);
};

class tPendingFile : public tHisEvFile {
  TB_OBJECT(tPendingFile)
public:
  explicit tPendingFile(TObjectDatabase& database) : tHisEvFile(database, QStringLiteral("Pending")) {}
};

class tHistoryFile : public tHisEvFile {
  TB_OBJECT(tHistoryFile)
public:
  explicit tHistoryFile(TObjectDatabase& database) : tHisEvFile(database, QStringLiteral("History")) {}
};
