#pragma once
// Turns key presses into editing commands through an ordered list of named command tables.
// The sequence state (a two-key sequence begun, or a key to be taken literally) is shared by
// every control that asks the same processor.
#include "widgets/core/TWdgCommandTable.h"

#include <QStringList>
#include <QtCore/qnamespace.h>
#include <memory>
#include <vector>

class TWdgCommandProcessor {
public:
  // Starts with the built-in tables "Default" (active), "WordStar" and "Grid".
  TWdgCommandProcessor();

  int TableCount() const { return int(tables_.size()); }
  TWdgCommandTable& TableAt(int index);
  void ClearTables() { tables_.clear(); }
  // The first table of that name, compared without regard to case, or nullptr.
  TWdgCommandTable* FindTable(const QString& name) const;

  // Appends a new empty table under a name no other table has; returns its index.
  int NewTable(const QString& name, bool active);
  // Renames the table when its name without trailing digits is taken ("Default" becomes
  // "Default1", "Custom7" becomes "Custom1" beside a "Custom"), then appends it.
  int AddTableUnique(std::unique_ptr<TWdgCommandTable> table);
  // ETableNotFound without such a table, EDuplicateCommand when the keys are in it already.
  int AddEntryToTable(const QString& tableName, const TWdgCommandEntry& entry);

  // A new table read from a text file, added as AddTableUnique does; returns its index.
  int LoadTableFile(const QString& fileName);
  // Writes the named table; nothing happens when there is no such table.
  void SaveTableFile(const QString& tableName, const QString& fileName) const;

  // The tables as forms store them; loading replaces every table.
  std::vector<TWdgStoredCommandTable> StoredTables() const;
  void LoadStoredTables(const std::vector<TWdgStoredCommandTable>& stored);

  void ResetSequence();
  // Over the active tables. Only the low 8 bits of a virtual-key code count.
  quint16 KeyStateToCommand(int virtualKey, quint8 shiftFlags);
  quint16 KeyToCommand(int qtKey, Qt::KeyboardModifiers modifiers);
  // Over the named tables in the order given, active or not; unknown names are skipped.
  quint16 KeyToCommandIn(const QStringList& tableNames, int qtKey,
                         Qt::KeyboardModifiers modifiers);

private:
  enum class State { Idle, SequenceBegun, Literal };

  quint16 Translate(const std::vector<const TWdgCommandTable*>& tables, quint8 key, quint8 shift);
  quint16 ScanTable(const TWdgCommandTable& table, quint8 key, quint8 shift);
  std::vector<const TWdgCommandTable*> ActiveTables() const;

  std::vector<std::unique_ptr<TWdgCommandTable>> tables_;
  State state_ = State::Idle;
  quint8 firstKey_ = 0;
  quint8 firstShift_ = 0;
};
