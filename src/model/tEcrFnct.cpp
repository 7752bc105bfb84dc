#include "model/tEcrFnct.h"

#include "model/BlockPause.h"
#include "model/ERecMismatch.h"
#include "model/EcrErrors.h"
#include "model/TBlockFileReader.h"
#include "store/settings/SettingsFile.h"
#include "store/odb/StorageGlobals.h"

TB_DEFINE_CLASS(tEcrFnct, TObject)

namespace {
void CheckParamIndex(int index) {
  if (index < 0 || index >= tEcrFnct::kParamCount) throw ERangeError();
}
} // namespace

void tEcrFnct::Create(TObject* owner) { owner_ = owner; }

std::unique_ptr<tEcrFnct> tEcrFnct::CreateByClass(const TClass& cls, TObject* owner) {
  if (!cls.InheritsFrom(tEcrFnct::StaticClass()) || cls.IsAbstract())
    throw EClassNotFnct(cls.ClassName() + QStringLiteral(" is no program or report class"));
  std::unique_ptr<TObject> blank(cls.NewBlank());
  std::unique_ptr<tEcrFnct> obj(dynamic_cast<tEcrFnct*>(blank.get()));
  if (!obj) throw EClassNotFnct(cls.ClassName() + QStringLiteral(" is no program or report class"));
  blank.release();
  obj->Create(owner);
  return obj;
}

qint32 tEcrFnct::GetIntParam(int index) const {
  CheckParamIndex(index);
  return intParams_[size_t(index)];
}

void tEcrFnct::SetIntParam(int index, qint32 value) {
  CheckParamIndex(index);
  if (intParams_[size_t(index)] != value) intParams_[size_t(index)] = value;
}

double tEcrFnct::GetCompParam(int index) const { return double(GetCompParamValue(index)); }

qint64 tEcrFnct::GetCompParamValue(int index) const {
  CheckParamIndex(index);
  return compParams_[size_t(index)];
}

void tEcrFnct::SetCompParam(int index, qint64 value) {
  CheckParamIndex(index);
  // As 80-bit floats, which hold every 64-bit value: the values themselves are compared.
  if (compParams_[size_t(index)] != value) compParams_[size_t(index)] = value;
}

int tEcrFnct::CountRecords(int length, int recordSize, int maxRecords) {
  if (length < 0) length = 9999;
  const qint64 count = recordSize != 0 ? length / recordSize : 0;
  if (count < 0 || count > 65535) throw ERangeError();
  if (count <= maxRecords && count * recordSize == length) return int(count);
  throw ERecMismatch(QStringLiteral("Block Size Mismatch, got: %1  expecting: %2")
                         .arg(length)
                         .arg(qint64(recordSize) * qint64(maxRecords)));
}

QString tEcrFnct::GetDataBaseName() const {
  OpenObjectDatabase();
  return GetDataAlias();
}

int tEcrFnct::GetPrgRecSize() const { return 0; }

TTableType tEcrFnct::GetTableType() const { return TTableType::Standard; }

QString tEcrFnct::GetTableName() const { return ClassName(); }

void tEcrFnct::DecodeRecord(TTable&, const TEcrBlock&, int, int&) {}

void tEcrFnct::CheckSpan(int offset, int length) {
  if (offset < 0 || length < 0 || offset >= kEcrBlockSize || length > kEcrBlockSize - offset) throw ERangeError();
}

void tEcrFnct::ReadBlocks(TBlockFileReader& reader, const std::function<void(const TEcrBlock&)>& visit) {
  BlkCount = 0;
  TEcrBlock buffer{};
  for (;;) {
    qint32 length = 0;
    if (!reader.Next(buffer, length)) {
      BlkLen = 0;
      return;
    }
    BlkLen = length;
    ++BlkCount;
    visit(buffer);
    ProcessPendingEvents(); // windows are drawn between blocks, never inside one
  }
}
