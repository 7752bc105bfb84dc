#pragma once
// The engine table behind an open object file. The engine keeps a table's primary index
// without a name; the table remembers the name the object file gives it, so the file can
// select its primary index by that name.
#include "platform/engine/TTable.h"

#include <QString>

class TOdbEngineTable : public TTable {
public:
  using TTable::TTable;

  const QString& PrimaryIndexName() const { return primaryIndexName_; }
  void SetPrimaryIndexName(const QString& name) { primaryIndexName_ = name; }

private:
  QString primaryIndexName_;
};
