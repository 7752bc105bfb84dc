#pragma once
// A scratch database in a temporary folder whose tables twin tables of a real database.
// Rows are written to the twins first, where nothing else writes and events may run in
// between, and are moved into the real tables at the end in one transaction, so a piece
// of work that fails part-way leaves the real tables exactly as they were.
//
// The scratch database and its folder go away with the object, or, emptied, wait for the
// next area of the same thread (making a fresh one costs more than all the staging).
#include "platform/engine/TableDef.h"

#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class TDatabase;
class TTable;

class TStagingArea {
public:
  TStagingArea();
  ~TStagingArea();
  TStagingArea(const TStagingArea&) = delete;
  TStagingArea& operator=(const TStagingArea&) = delete;

  // An open cursor on the twin of the table named in the structure: created empty with
  // that structure on the first request, the same cursor afterwards.
  TTable& Twin(const TTableDef& structure);
  bool HasTwin(const QString& table) const;
  // The twins' names in the order they were made.
  const QStringList& TwinNames() const { return order_; }

  // The moves of one transaction into the real database.
  class Mover {
  public:
    // Appends the twin's rows in the order they were written, leaving skipColumn out (so
    // an autoincrement column numbers them afresh) and adding offset to offsetColumn.
    // Answers the number of rows.
    qint64 Append(const QString& table, const QString& skipColumn = QString(), const QString& offsetColumn = QString(),
                  qint64 offset = 0);
    // Appends the twin's rows whose keys the real table does not hold yet; rows already
    // there stay as they are.
    void AppendMissing(const QString& table);
    // Deletes every row of the real table, then appends the twin's rows.
    void Replace(const QString& table);
    // The record id the last appended row got.
    qint64 LastInsertId();
    // The number of the twin's rows whose column is empty or lies outside first .. last.
    qint64 CountOutside(const QString& table, const QString& column, qint64 first, qint64 last);

  private:
    friend class TStagingArea;
    Mover(TDatabase& target, const TStagingArea& area) : target_(target), area_(area) {}
    TDatabase& target_;
    const TStagingArea& area_;
  };

  // Moves the staged rows: attaches the scratch database to target, runs work inside one
  // transaction of target and commits it; any error rolls everything back and passes on.
  void MoveInto(TDatabase& target, const std::function<void(Mover&)>& work);

private:
  // The name the scratch database is attached under: an area's own, so one left
  // attached by a failed detach never blocks the moves of later areas.
  QString schema_;
  // Whether the emptied scratch database can serve another area.
  bool Reusable() const;
  void Empty();

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TDatabase> db_;
  QHash<QString, std::shared_ptr<TTable>> twins_;
  QHash<QString, TTableDef> structures_;
  QStringList order_;
};
