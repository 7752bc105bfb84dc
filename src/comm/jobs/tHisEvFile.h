#pragma once
// The object files of jobs: "Pending" (the queued and running jobs) and "History" (the
// ended ones). One key field "HisEvId" (a string of up to 9 characters) filled from the
// job's EventId, with the primary unique index "HisEvId".
#include "store/odb/TObjectFile.h"

#include <memory>
#include <optional>

class TableSharedState;

class tHisEvFile : public TObjectFile {
  TB_OBJECT(tHisEvFile)
public:
  tHisEvFile(TObjectDatabase& database, const QString& tableName);
  // Closes the file while this class's hooks still exist.
  ~tHisEvFile() override;

  void SetKeyFields(const TObject& obj) override;
  void DefineFields() override;
  void DefineIndexes() override;

  // Positions the file on the job with that id, which becomes current; false when there
  // is none.
  bool FindId(const QString& eventId);
  // FindId for an Update or a Remove that follows: the stored job is not read, and the
  // current object holds only the id.
  bool LocateId(const QString& eventId);
  // The highest id by number, empty when the file is empty. (The key's text order stops
  // following the numbers beyond "999999".) Looked up again only when a write of this
  // process or a commit of another connection may have changed it since.
  QString LastId();
  // An SQL ordering of the key column by number.
  static QString NumericOrder(bool descending);

protected:
  void DoBeforeInsert() override;
  void DoAfterInsert() override;

private:
  // What LastId found, and the counters it is valid for.
  struct LastIdSeen {
    QString connection;
    qint64 dataVersion = 0;
    quint64 tableVersion = 0;
    QString id;
  };
  bool SetKey(const QString& eventId);
  TableSharedState& Shared(const QString& filePath);

  std::shared_ptr<TableSharedState> shared_;
  QString sharedFile_;
  std::optional<LastIdSeen> lastId_;
  quint64 versionBeforeInsert_ = 0;
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
