#pragma once
// A named list of key sequences with their commands; a key sequence occurs at most once.
#include "widgets/core/WdgCommandEntry.h"

#include <QString>
#include <vector>

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

private:
  void CheckIndex(int index, int limit) const;

  QString name_;
  bool active_;
  std::vector<TWdgCommandEntry> entries_;
};
