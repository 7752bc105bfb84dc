#pragma once
// A scratch database in a temporary folder whose tables twin tables of a real database.
// Rows are written to the twins first, where nothing else writes and events may run in
// between, and are moved into the real tables at the end in one transaction, so a piece
// of work that fails part-way leaves the real tables exactly as they were.
//
// The scratch databases are kept for the areas that follow on the same thread: an area
// done with takes its rows out again and leaves its twins, empty, for the next one, so a
// save does not pay for making a database and its tables each time. A scratch database
// that may hold anything else (an area given up before its move, a move whose scratch
// database could not be detached) goes away with its folder, as does one past the few
// kept.
#include "platform/engine/TableDef.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

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
  struct Scratch;
  // Scratch databases of areas done with, on this thread.
  static std::vector<std::unique_ptr<Scratch>>& KeptScratch();
  std::unique_ptr<Scratch> scratch_;
  // The twins this area uses, in the order it asked for them.
  QStringList order_;
  bool reusable_ = true;
};
