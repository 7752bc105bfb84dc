#include "comm/session/TSessionWindows.h"

#include <algorithm>

TSessionWindows::Entry::Entry(TSessionWindows& windows, Kind kind, QString name, std::function<void()> dismiss)
    : windows_(windows), id_(windows.Add(kind, std::move(name), std::move(dismiss))) {}

TSessionWindows::Entry::~Entry() { windows_.Remove(id_); }

int TSessionWindows::Add(Kind kind, QString name, std::function<void()> dismiss) {
  open_.append({nextId_, kind, std::move(name), std::move(dismiss)});
  return nextId_++;
}

void TSessionWindows::Remove(int id) {
  open_.removeIf([id](const Open& open) { return open.id == id; });
}

bool TSessionWindows::Has(Kind kind) const {
  return std::any_of(open_.begin(), open_.end(), [kind](const Open& open) { return open.kind == kind; });
}

QStringList TSessionWindows::Dismiss(std::initializer_list<Kind> kinds) {
  QList<int> ids;
  for (const Open& open : open_)
    if (std::find(kinds.begin(), kinds.end(), open.kind) != kinds.end()) ids << open.id;
  QStringList names;
  for (int id : ids) {
    const auto it = std::find_if(open_.begin(), open_.end(), [id](const Open& open) { return open.id == id; });
    if (it == open_.end()) continue;
    names << it->name;
    // A copy: the dismissal may remove the entry (and so the function) from the list.
    const std::function<void()> dismiss = it->dismiss;
    if (dismiss) dismiss();
  }
  return names;
}
