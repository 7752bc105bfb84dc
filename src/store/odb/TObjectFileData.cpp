#include "store/odb/TObjectFileData.h"

#include "store/odb/TOdbEngineTable.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/CompareRoutines.h"
#include "store/containers/ContainerItems.h"

TB_DEFINE_CLASS(TObjectFileData, TObject)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterCompareFunc(QStringLiteral("CompareObjectFileData"), CompareObjectFileData);
  return true;
}();
} // namespace

TObjectFileData::TObjectFileData(qint32 handle, std::unique_ptr<TOdbEngineTable> table)
    : handle_(handle), table_(std::move(table)) {}

TObjectFileData::TObjectFileData(TBlank blank) : TObject(blank) {}

TObjectFileData::~TObjectFileData() = default;

quint8 CompareObjectFileData(const TObject& first, const TObject& second) {
  return CompareIntegers(ItemAs<TObjectFileData>(first).Handle(), ItemAs<TObjectFileData>(second).Handle());
}
