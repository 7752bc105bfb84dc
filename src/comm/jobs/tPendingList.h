#pragma once
// The queue's pending ids in queue order, each with its tEventOptions, indexed so that
// finding a job's options and a port's next job cost the same however many jobs wait.
#include "comm/jobs/tEventOptions.h"

#include <QHash>
#include <QStringList>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class tPendingList {
public:
  bool Empty() const { return entries_.empty(); }
  int Count() const { return int(entries_.size()); }
  const QString& IdAt(int index) const { return entries_[size_t(index)].id; }
  const tEventOptions& OptionsAt(int index) const { return *entries_[size_t(index)].options; }
  QString LastId() const { return entries_.empty() ? QString() : entries_.back().id; }
  QStringList Ids() const;
  // -1 when the id is not queued.
  int IndexOf(const QString& id) const;
  tEventOptions* Find(const QString& id) const;

  void Append(const QString& id, std::unique_ptr<tEventOptions> options);
  void Remove(const QString& id);
  // The job's scanned fields changed.
  void Summarise(const QString& id, const tHistoryEvent& job);

  // The port's job with the lowest deferral level up to highest (a count below -1 counts
  // as -1), the first in queue order among them; empty when none.
  QString NextOfPort(const QString& port, qint32 highest) const;

private:
  struct Entry {
    QString id;
    std::unique_ptr<tEventOptions> options;
  };
  // By port: (deferral level, id number) -> id, so the first is the port's next job.
  using PortQueue = std::map<std::pair<qint32, qint64>, QString>;

  void Index(const QString& id, const tEventOptions& options);
  void Unindex(const QString& id, const tEventOptions& options);

  std::vector<Entry> entries_;
  QHash<QString, tEventOptions*> byId_;
  QHash<QString, PortQueue> byPort_;
};
