#include "widgets/core/TWdgCommandTable.h"

#include "widgets/core/WdgCommandErrors.h"

void TWdgCommandTable::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) throw ETableNotFound();
}

int TWdgCommandTable::AppendEntry(const TWdgCommandEntry& entry) {
  entries_.push_back(entry);
  return EntryCount() - 1;
}

void TWdgCommandTable::InsertEntry(int index, const TWdgCommandEntry& entry) {
  CheckIndex(index, EntryCount() + 1);
  entries_.insert(entries_.begin() + index, entry);
}

void TWdgCommandTable::ReplaceEntry(int index, const TWdgCommandEntry& entry) {
  CheckIndex(index, EntryCount());
  entries_[size_t(index)] = entry;
}

void TWdgCommandTable::DeleteEntry(int index) {
  CheckIndex(index, EntryCount());
  entries_.erase(entries_.begin() + index);
}

const TWdgCommandEntry& TWdgCommandTable::EntryAt(int index) const {
  CheckIndex(index, EntryCount());
  return entries_[size_t(index)];
}

int TWdgCommandTable::FindKeys(const TWdgCommandEntry& entry) const {
  for (int i = 0; i < EntryCount(); ++i)
    if (entries_[size_t(i)].KeySequence() == entry.KeySequence()) return i;
  return -1;
}
