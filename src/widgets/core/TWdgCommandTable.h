#pragma once
// A named list of key sequences with their commands; a key sequence occurs at most once.
#include "widgets/core/WdgCommandEntry.h"

#include <QString>
#include <utility>
#include <vector>

// A table as forms store it: for a built-in table only what differs from the built-in
// contents, (key sequence, 0) for a removed entry; for any other table every entry.
struct TWdgStoredCommandTable {
  QString name;
  bool active = true;
  std::vector<std::pair<quint32, quint16>> pairs; // (key sequence, command)
  bool operator==(const TWdgStoredCommandTable&) const = default;
};

class TWdgCommandTable {
public:
  explicit TWdgCommandTable(QString name = QStringLiteral("(Unknown)"), bool active = true)
      : name_(std::move(name)), active_(active) {}

  const QString& TableName() const { return name_; }
  void SetTableName(const QString& name) { name_ = name; }
  bool IsActive() const { return active_; }
  void SetActive(bool active) { active_ = active; }

  int AppendEntry(const TWdgCommandEntry& entry);
  void InsertEntry(int index, const TWdgCommandEntry& entry);
  void ReplaceEntry(int index, const TWdgCommandEntry& entry);
  void DeleteEntry(int index);
  const TWdgCommandEntry& EntryAt(int index) const;
  int EntryCount() const { return int(entries_.size()); }
  // The index of the entry with the same key sequence, -1 when none.
  int FindKeys(const TWdgCommandEntry& entry) const;
  void ClearEntries() { entries_.clear(); }

  TWdgStoredCommandTable Stored() const;
  // Replaces name, active flag and entries with the stored ones.
  void LoadStored(const TWdgStoredCommandTable& stored);

  // Text file: the name on the first line, then one entry a line (Key1, Shift1, Key2, Shift2
  // and the command, right-aligned in 4, 4, 4, 4 and 6 characters). ECommandFileError when
  // the file cannot be opened or holds something that is no entry; reading empties the table
  // first.
  void ReadTextFile(const QString& fileName);
  void WriteTextFile(const QString& fileName) const;

private:
  void CheckIndex(int index, int limit) const;

  QString name_;
  bool active_;
  std::vector<TWdgCommandEntry> entries_;
};
