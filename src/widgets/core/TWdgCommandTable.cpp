#include "widgets/core/TWdgCommandTable.h"

#include "platform/sys/Cp1252.h"
#include "widgets/core/WdgBuiltinCommandTables.h"
#include "widgets/core/WdgCommandErrors.h"

#include <QFile>
#include <algorithm>

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

TWdgStoredCommandTable TWdgCommandTable::Stored() const {
  TWdgStoredCommandTable stored{name_, active_, {}};
  const TWdgBuiltinCommandTable* builtin = FindBuiltinCommandTable(name_);
  if (!builtin) {
    for (const auto& entry : entries_) stored.pairs.emplace_back(entry.KeySequence(), entry.Cmd);
    return stored;
  }
  for (const auto& entry : builtin->entries)
    if (FindKeys(entry) < 0) stored.pairs.emplace_back(entry.KeySequence(), 0);
  for (const auto& entry : entries_) {
    const bool asBuiltin = std::find(builtin->entries.begin(), builtin->entries.end(), entry) !=
                           builtin->entries.end();
    if (!asBuiltin) stored.pairs.emplace_back(entry.KeySequence(), entry.Cmd);
  }
  return stored;
}

void TWdgCommandTable::LoadStored(const TWdgStoredCommandTable& stored) {
  name_ = stored.name;
  active_ = stored.active;
  ClearEntries();
  const TWdgBuiltinCommandTable* builtin = FindBuiltinCommandTable(name_);
  if (!builtin) {
    for (const auto& [keys, cmd] : stored.pairs)
      AppendEntry(TWdgCommandEntry::FromSequence(keys, cmd));
    return;
  }
  entries_.assign(builtin->entries.begin(), builtin->entries.end());
  for (const auto& [keys, cmd] : stored.pairs) {
    const TWdgCommandEntry entry = TWdgCommandEntry::FromSequence(keys, cmd);
    const int index = FindKeys(entry);
    if (index < 0)
      AppendEntry(entry);
    else if (cmd != 0)
      ReplaceEntry(index, entry);
    else
      DeleteEntry(index);
  }
}

void TWdgCommandTable::WriteTextFile(const QString& fileName) const {
  QByteArray text = Cp1252::Encode(name_) + "\r\n";
  for (const auto& e : entries_)
    text += QStringLiteral("%1%2%3%4%5\r\n")
                .arg(e.Key1, 4)
                .arg(e.Shift1, 4)
                .arg(e.Key2, 4)
                .arg(e.Shift2, 4)
                .arg(e.Cmd, 6)
                .toLatin1();
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
    throw ECommandFileError(QStringLiteral("Cannot write file %1").arg(fileName));
}

void TWdgCommandTable::ReadTextFile(const QString& fileName) {
  ClearEntries();
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw ECommandFileError(QStringLiteral("Cannot open file %1").arg(fileName));
  name_ = Cp1252::Decode(file.readLine()).trimmed();
  const QList<QByteArray> numbers = file.readAll().simplified().split(' ');
  const auto invalid = [&fileName] {
    return ECommandFileError(QStringLiteral("Invalid numeric input in %1").arg(fileName));
  };
  if (numbers.size() == 1 && numbers[0].isEmpty()) return;
  if (numbers.size() % 5 != 0) throw invalid();
  for (qsizetype i = 0; i < numbers.size(); i += 5) {
    int value[5];
    for (int k = 0; k < 5; ++k) {
      bool ok = false;
      value[k] = numbers[i + k].toInt(&ok);
      if (!ok || value[k] < 0 || value[k] > (k == 4 ? 0xFFFF : 0xFF)) throw invalid();
    }
    AppendEntry({quint8(value[0]), quint8(value[1]), quint8(value[2]), quint8(value[3]),
                 quint16(value[4])});
  }
}
