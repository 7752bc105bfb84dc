#include "platform/engine/TableSharedState.h"

#include <QList>

namespace {
struct Registry {
  std::mutex mutex;
  QHash<QString, std::weak_ptr<TableSharedState>> states;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

QString KeyOf(const QString& file, const QString& table) { return file + QLatin1Char('\n') + table.toLower(); }

std::shared_ptr<TableSharedState> Existing(const QString& file, const QString& table) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.mutex);
  auto it = r.states.find(KeyOf(file, table));
  return it == r.states.end() ? nullptr : it->lock();
}
} // namespace

std::shared_ptr<TableSharedState> TableSharedState::For(const QString& file, const QString& table) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.mutex);
  const QString key = KeyOf(file, table);
  if (std::shared_ptr<TableSharedState> state = r.states.value(key).lock()) return state;
  auto state = std::make_shared<TableSharedState>();
  r.states.insert(key, state);
  return state;
}

void TableSharedState::BumpFile(const QString& file) {
  Registry& r = TheRegistry();
  QList<std::shared_ptr<TableSharedState>> held;
  {
    std::lock_guard<std::mutex> guard(r.mutex);
    const QString prefix = file + QLatin1Char('\n');
    for (auto it = r.states.begin(); it != r.states.end();) {
      std::shared_ptr<TableSharedState> state = it->lock();
      if (!state) {
        it = r.states.erase(it);
        continue;
      }
      if (it.key().startsWith(prefix)) held << state;
      ++it;
    }
  }
  for (const auto& state : held) state->Bump();
}

void TableSharedState::BumpTable(const QString& file, const QString& table) {
  if (std::shared_ptr<TableSharedState> state = Existing(file, table)) state->Bump();
}

bool TableSharedState::IsOpen(const QString& file, const QString& table) {
  std::shared_ptr<TableSharedState> state = Existing(file, table);
  return state && state->Cursors() > 0;
}

bool TableSharedState::HasLocks(const QString& file, const QString& table) {
  std::shared_ptr<TableSharedState> state = Existing(file, table);
  return state && state->AnyLocks();
}

bool TableSharedState::Lock(qint64 record, const void* owner) {
  std::lock_guard<std::mutex> guard(mutex_);
  auto it = locks_.constFind(record);
  if (it != locks_.constEnd()) return it.value() == owner;
  locks_.insert(record, owner);
  return true;
}

void TableSharedState::Unlock(qint64 record, const void* owner) {
  std::lock_guard<std::mutex> guard(mutex_);
  auto it = locks_.find(record);
  if (it != locks_.end() && it.value() == owner) locks_.erase(it);
}

void TableSharedState::UnlockAll(const void* owner) {
  std::lock_guard<std::mutex> guard(mutex_);
  for (auto it = locks_.begin(); it != locks_.end();) it = it.value() == owner ? locks_.erase(it) : std::next(it);
}

bool TableSharedState::IsLockedByOther(qint64 record, const void* owner) const {
  std::lock_guard<std::mutex> guard(mutex_);
  auto it = locks_.constFind(record);
  return it != locks_.constEnd() && it.value() != owner;
}

bool TableSharedState::AnyLocks() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return !locks_.isEmpty();
}
