#include "store/odb/OdbDriverRegistry.h"

#include "platform/sys/TObject.h"
#include "store/odb/OdbErrors.h"

#include <QList>
#include <QMutex>
#include <utility>

namespace {
struct Registry {
  QMutex mutex;
  QList<std::pair<QString, const TClass*>> drivers;
};

Registry& Drivers() {
  static Registry registry;
  return registry;
}
} // namespace

void RegisterOdbDriver(const TClass& driverClass, const QString& name) {
  Registry& registry = Drivers();
  {
    QMutexLocker lock(&registry.mutex);
    bool taken = false;
    for (const auto& entry : std::as_const(registry.drivers))
      taken = taken || entry.first.compare(name, Qt::CaseInsensitive) == 0;
    if (!taken) {
      registry.drivers.append({name, &driverClass});
      return;
    }
  }
  OdbError<EOdbDriverAlreadyRegistered>(name);
}
