#pragma once
// What every cursor of the process shares about one table of one database file:
// - a change counter, raised by every write, so that a cursor knows when its list of
//   records may be out of date (its own writes it follows itself);
// - the record locks. The database file has no record locks of its own, so the engine
//   keeps them here: a record locked by one cursor is refused to every other cursor of
//   this process, whatever database object it goes through. Locks are per process.
// One instance exists per (file, table) while some cursor holds it.
#include <QHash>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

class TableSharedState {
public:
  TableSharedState() = default;
  TableSharedState(const TableSharedState&) = delete;
  TableSharedState& operator=(const TableSharedState&) = delete;

  // The state of a table of a database file (its canonical path).
  static std::shared_ptr<TableSharedState> For(const QString& file, const QString& table);
  // Raises the counter of every table of the file that some cursor holds (a rollback or a
  // statement of local SQL may have changed any of them).
  static void BumpFile(const QString& file);
  // Raises the counter of one table when some cursor holds it.
  static void BumpTable(const QString& file, const QString& table);
  // True when some cursor of the process has the table open.
  static bool IsOpen(const QString& file, const QString& table);
  // True when some record of the table is locked.
  static bool HasLocks(const QString& file, const QString& table);

  quint64 Version() const { return version_.load(); }
  void Bump() { ++version_; }

  // false when another owner holds the record's lock; taking one's own lock again is fine.
  bool Lock(qint64 record, const void* owner);
  void Unlock(qint64 record, const void* owner);
  void UnlockAll(const void* owner);
  bool IsLockedByOther(qint64 record, const void* owner) const;
  bool AnyLocks() const;

  void AddCursor() { ++cursors_; }
  void RemoveCursor() { --cursors_; }
  int Cursors() const { return cursors_.load(); }

private:
  std::atomic<quint64> version_{1};
  std::atomic<int> cursors_{0};
  mutable std::mutex mutex_;
  QHash<qint64, const void*> locks_;
};
