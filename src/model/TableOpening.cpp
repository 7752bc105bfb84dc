#include "model/TableOpening.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TTable.h"

bool OpenOrCreateTable(TTable& table, const std::function<void(TTable&)>& define) {
  try {
    table.Open();
    return false;
  } catch (const EDBEngineError& e) {
    if (!e.IsMissing()) throw;
  }
  define(table);
  table.CreateTable();
  table.Open();
  return true;
}
