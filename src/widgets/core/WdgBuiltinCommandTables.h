#pragma once
// The three command tables every processor starts with, and by which their stored
// differences are measured.
#include "widgets/core/WdgCommandEntry.h"

#include <QString>
#include <span>
#include <vector>

struct TWdgBuiltinCommandTable {
  QString name;
  bool active;
  std::span<const TWdgCommandEntry> entries;
};

// "Default" (active), "WordStar" and "Grid", in this order.
const std::vector<TWdgBuiltinCommandTable>& WdgBuiltinCommandTables();
// The built-in table of that name (compared without regard to case), or nullptr.
const TWdgBuiltinCommandTable* FindBuiltinCommandTable(const QString& name);
