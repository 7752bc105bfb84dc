#include "reports/engine/RptReportRegistry.h"

#include "reports/engine/RptErrors.h"

#include <QMap>

#include <mutex>

namespace {
struct Entry {
  QString className;
  RptReportRegistry::Factory factory;
};

struct Registry {
  std::mutex mutex;
  QMap<QString, Entry> entries;  // by lower-case name
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}
} // namespace

void RptReportRegistry::Register(const QString& className, Factory factory) {
  if (className.isEmpty() || !factory)
    throw ERptDefinition(QStringLiteral("A report definition needs a class name and a factory"));
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  const QString key = className.toLower();
  if (registry.entries.contains(key))
    throw ERptDefinition(QStringLiteral("Report form class %1 is registered twice").arg(className));
  registry.entries.insert(key, Entry{className, std::move(factory)});
}

void RptReportRegistry::Unregister(const QString& className) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  registry.entries.remove(className.toLower());
}

bool RptReportRegistry::IsRegistered(const QString& className) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  return registry.entries.contains(className.toLower());
}

std::unique_ptr<RptReport> RptReportRegistry::Create(const QString& className) {
  Factory factory;
  {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.entries.constFind(className.toLower());
    if (found == registry.entries.cend())
      throw ERptNotRegistered(QStringLiteral("No report definition for report form class %1").arg(className));
    factory = found->factory;
  }
  // Outside the lock: a factory may look up other definitions.
  std::unique_ptr<RptReport> report = factory();
  if (!report)
    throw ERptNotRegistered(QStringLiteral("The report definition of %1 could not be made").arg(className));
  return report;
}

QStringList RptReportRegistry::ClassNames() {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  QStringList names;
  for (const Entry& entry : registry.entries) names << entry.className;
  names.sort(Qt::CaseInsensitive);
  return names;
}
