#include "store/containers/CompareFuncRegistry.h"

#include "store/containers/ContainerErrors.h"

#include <vector>

namespace {
std::vector<TCompareFuncEntry>& Entries() {
  static std::vector<TCompareFuncEntry> entries;
  return entries;
}

[[maybe_unused]] const bool registered = [] {
  RegisterCompareFunc(QStringLiteral("CompareEqual"), CompareEqual);
  RegisterCompareFunc(QStringLiteral("CompareLess"), CompareLess);
  RegisterCompareFunc(QStringLiteral("CompareGreater"), CompareGreater);
  return true;
}();
} // namespace

void RegisterCompareFunc(const QString& name, TCompareFunc func) {
  for (const TCompareFuncEntry& entry : Entries())
    if (entry.Name == name) throw EDuplicateCompareFunc();
  Entries().push_back({name, func});
}

QString CompareFuncName(TCompareFunc func) {
  for (const TCompareFuncEntry& entry : Entries())
    if (entry.Func == func) return entry.Name;
  throw ECompareFuncNotRegistered();
}

TCompareFunc CompareFuncByName(const QString& name) {
  for (const TCompareFuncEntry& entry : Entries())
    if (entry.Name == name) return entry.Func;
  throw ECompareFuncNotRegistered();
}

quint8 CompareEqual(const TObject&, const TObject&) { return CompareResult::Equal; }
quint8 CompareLess(const TObject&, const TObject&) { return CompareResult::Less; }
quint8 CompareGreater(const TObject&, const TObject&) { return CompareResult::Greater; }
