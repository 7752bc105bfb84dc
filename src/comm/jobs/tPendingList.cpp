#include "comm/jobs/tPendingList.h"

#include "comm/jobs/JobIds.h"

namespace {
std::pair<qint32, qint64> Key(const QString& id, const tEventOptions& options) {
  return {qMax(options.DefRetryCount, -1), IdNumber(id)};
}
} // namespace

QStringList tPendingList::Ids() const {
  QStringList ids;
  ids.reserve(qsizetype(entries_.size()));
  for (const Entry& entry : entries_) ids << entry.id;
  return ids;
}

int tPendingList::IndexOf(const QString& id) const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].id == id) return int(i);
  return -1;
}

tEventOptions* tPendingList::Find(const QString& id) const { return byId_.value(id, nullptr); }

void tPendingList::Append(const QString& id, std::unique_ptr<tEventOptions> options) {
  if (byId_.contains(id)) Remove(id);
  byId_.insert(id, options.get());
  Index(id, *options);
  entries_.push_back({id, std::move(options)});
}

void tPendingList::Remove(const QString& id) {
  const int i = IndexOf(id);
  if (i < 0) return;
  Unindex(id, *entries_[size_t(i)].options);
  byId_.remove(id);
  entries_.erase(entries_.begin() + i);
}

void tPendingList::Summarise(const QString& id, const tHistoryEvent& job) {
  tEventOptions* options = Find(id);
  if (!options) return;
  Unindex(id, *options);
  options->Summarise(job);
  Index(id, *options);
}

QString tPendingList::NextOfPort(const QString& port, qint32 highest) const {
  const auto queue = byPort_.constFind(port);
  if (queue == byPort_.constEnd() || queue->empty()) return QString();
  const auto& first = *queue->begin();
  return first.first.first <= highest ? first.second : QString();
}

void tPendingList::Index(const QString& id, const tEventOptions& options) {
  byPort_[options.Mode].emplace(Key(id, options), id);
}

void tPendingList::Unindex(const QString& id, const tEventOptions& options) {
  auto queue = byPort_.find(options.Mode);
  if (queue == byPort_.end()) return;
  queue->erase(Key(id, options));
  if (queue->empty()) byPort_.erase(queue);
}
