#include "store/streaming/StreamRegistry.h"

#include "store/streaming/StreamErrors.h"

#include <QHash>
#include <memory>
#include <vector>

namespace {
struct Registry {
  std::vector<std::unique_ptr<TStreamableInterface>> entries; // in registration order
  QHash<QString, const TStreamableInterface*> byName;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}
} // namespace

void RegisterStreamable(const TClass& cls, QList<TStreamReadProc> readers, QList<TStreamWriteProc> writers) {
  Registry& registry = TheRegistry();
  if (registry.byName.contains(cls.ClassName())) throw EDuplicateRegisteredClass();
  registry.entries.push_back(
      std::make_unique<TStreamableInterface>(cls, std::move(readers), std::move(writers)));
  registry.byName.insert(cls.ClassName(), registry.entries.back().get());
}

const TStreamableInterface& FindStreamable(const QString& className) {
  const TStreamableInterface* entry = TheRegistry().byName.value(className);
  if (!entry) throw EClassNotRegistered();
  return *entry;
}

const TClass& ClassByName(const QString& className) { return FindStreamable(className).ClassRef(); }

const TClass* FindClass(const QString& className) {
  const TStreamableInterface* entry = TheRegistry().byName.value(className);
  return entry ? &entry->ClassRef() : nullptr;
}
