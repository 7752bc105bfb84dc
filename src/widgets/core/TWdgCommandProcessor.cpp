#include "widgets/core/TWdgCommandProcessor.h"

#include "widgets/core/WdgBuiltinCommandTables.h"
#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgCommandErrors.h"
#include "widgets/core/WdgQtKeyMap.h"

namespace {
bool IsModifierKey(quint8 key) {
  return key == 16 || key == 17 || key == 18 || key == 20 || key == 144 || key == 145;
}

QString WithoutTrailingDigits(QString name) {
  while (name.size() >= 2 && name.back().isDigit()) name.chop(1);
  return name;
}
} // namespace

TWdgCommandProcessor::TWdgCommandProcessor() {
  for (const auto& builtin : WdgBuiltinCommandTables()) {
    const int index = NewTable(builtin.name, builtin.active);
    for (const auto& entry : builtin.entries) AddEntryToTable(TableAt(index).TableName(), entry);
  }
}

TWdgCommandTable& TWdgCommandProcessor::TableAt(int index) {
  if (index < 0 || index >= TableCount()) throw ETableNotFound();
  return *tables_[size_t(index)];
}

TWdgCommandTable* TWdgCommandProcessor::FindTable(const QString& name) const {
  for (const auto& table : tables_)
    if (table->TableName().compare(name, Qt::CaseInsensitive) == 0) return table.get();
  return nullptr;
}

int TWdgCommandProcessor::NewTable(const QString& name, bool active) {
  return AddTableUnique(std::make_unique<TWdgCommandTable>(name, active));
}

int TWdgCommandProcessor::AddTableUnique(std::unique_ptr<TWdgCommandTable> table) {
  const QString stem = WithoutTrailingDigits(table->TableName());
  if (FindTable(stem)) {
    int number = 1;
    while (FindTable(stem + QString::number(number))) ++number;
    table->SetTableName(stem + QString::number(number));
  }
  tables_.push_back(std::move(table));
  return TableCount() - 1;
}

int TWdgCommandProcessor::AddEntryToTable(const QString& tableName, const TWdgCommandEntry& entry) {
  TWdgCommandTable* table = FindTable(tableName);
  if (!table) throw ETableNotFound();
  if (table->FindKeys(entry) >= 0) throw EDuplicateCommand();
  return table->AppendEntry(entry);
}

int TWdgCommandProcessor::LoadTableFile(const QString& fileName) {
  auto table = std::make_unique<TWdgCommandTable>();
  table->ReadTextFile(fileName);
  return AddTableUnique(std::move(table));
}

void TWdgCommandProcessor::SaveTableFile(const QString& tableName, const QString& fileName) const {
  if (const TWdgCommandTable* table = FindTable(tableName)) table->WriteTextFile(fileName);
}

std::vector<TWdgStoredCommandTable> TWdgCommandProcessor::StoredTables() const {
  std::vector<TWdgStoredCommandTable> stored;
  for (const auto& table : tables_) stored.push_back(table->Stored());
  return stored;
}

void TWdgCommandProcessor::LoadStoredTables(const std::vector<TWdgStoredCommandTable>& stored) {
  ClearTables();
  for (const auto& one : stored) {
    tables_.push_back(std::make_unique<TWdgCommandTable>());
    tables_.back()->LoadStored(one);
  }
  ResetSequence();
}

void TWdgCommandProcessor::ResetSequence() {
  state_ = State::Idle;
  firstKey_ = 0;
  firstShift_ = 0;
}

std::vector<const TWdgCommandTable*> TWdgCommandProcessor::ActiveTables() const {
  std::vector<const TWdgCommandTable*> active;
  for (const auto& table : tables_)
    if (table->IsActive()) active.push_back(table.get());
  return active;
}

quint16 TWdgCommandProcessor::KeyStateToCommand(int virtualKey, quint8 shiftFlags) {
  return Translate(ActiveTables(), quint8(virtualKey), shiftFlags);
}

quint16 TWdgCommandProcessor::KeyToCommand(int qtKey, Qt::KeyboardModifiers modifiers) {
  const TWdgVirtualKey vk = WdgVirtualKeyFromQt(qtKey, modifiers);
  return Translate(ActiveTables(), vk.key, vk.shift);
}

quint16 TWdgCommandProcessor::KeyToCommandIn(const QStringList& tableNames, int qtKey,
                                             Qt::KeyboardModifiers modifiers) {
  std::vector<const TWdgCommandTable*> named;
  for (const auto& name : tableNames)
    if (const TWdgCommandTable* table = FindTable(name)) named.push_back(table);
  const TWdgVirtualKey vk = WdgVirtualKeyFromQt(qtKey, modifiers);
  return Translate(named, vk.key, vk.shift);
}

quint16 TWdgCommandProcessor::Translate(const std::vector<const TWdgCommandTable*>& tables,
                                        quint8 key, quint8 shift) {
  if (IsModifierKey(key)) return state_ == State::SequenceBegun ? CmdPending : CmdPlainKey;
  if (state_ == State::Literal) {
    state_ = State::Idle;
    return CmdPlainKey;
  }
  for (const TWdgCommandTable* table : tables)
    if (const quint16 result = ScanTable(*table, key, shift)) return result;
  const quint16 result = state_ == State::SequenceBegun ? CmdBadSequence : CmdPlainKey;
  ResetSequence();
  return result;
}

quint16 TWdgCommandProcessor::ScanTable(const TWdgCommandTable& table, quint8 key, quint8 shift) {
  for (int i = 0; i < table.EntryCount(); ++i) {
    const TWdgCommandEntry& entry = table.EntryAt(i);
    if (state_ == State::SequenceBegun) {
      const bool shiftMatches =
          entry.Shift2 == shift ||
          (entry.Shift2 == kWdgNoShiftOrCtrl && (shift == 0 || shift == kWdgCtrl));
      if (entry.Key1 != firstKey_ || entry.Shift1 != firstShift_ || entry.Key2 != key ||
          !shiftMatches)
        continue;
    } else {
      if (entry.Key1 != key || entry.Shift1 != shift) continue;
      if (entry.Key2 != 0) {
        state_ = State::SequenceBegun;
        firstKey_ = key;
        firstShift_ = shift;
        return CmdPending;
      }
    }
    if (entry.Cmd == ccNone) return 0;
    const quint16 command = entry.Cmd;
    ResetSequence();
    if (command == ccCtrlChar) state_ = State::Literal;
    return command;
  }
  return 0;
}
