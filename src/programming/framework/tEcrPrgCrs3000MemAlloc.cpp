#include "programming/framework/tEcrPrgCrs3000MemAlloc.h"

#include "crs3000/tEcrCrs3000.h"
#include "model/EcrErrors.h"
#include "model/tEcr.h"
#include "platform/engine/TTable.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV221.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV225.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV302.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV402.h"

#include <QScopeGuard>
#include <algorithm>
#include <utility>

// Not registered for streaming: only the logon makes objects of this class.
TB_DEFINE_CLASS(tEcrPrgCrs3000MemAlloc, tEcrPrgCrs3000)

namespace {
constexpr int kFrameBytes = 8;
constexpr int kHighestBlockNumber = 255;
// Byte 1 of a block that goes to the register: always 2, not the record count.
constexpr quint8 kSendMarker = 2;

} // namespace

int tEcrPrgCrs3000MemAlloc::GetPrgCode() const { return 14; }
QString tEcrPrgCrs3000MemAlloc::GetPrgName() const { return QStringLiteral("Memory Allocation"); }
QString tEcrPrgCrs3000MemAlloc::GetTableName() const { return QStringLiteral("tEcrPrgCrs3000MemAlloc"); }
QString tEcrPrgCrs3000MemAlloc::GetMaintFormClass() const { return QStringLiteral("TFmEcrPrgCrs3000MemAlloc"); }
int tEcrPrgCrs3000MemAlloc::GetPrgRecSize() const { return MemAllocFields::RecordSize(LayoutOf(ClassType())); }

tEcrPrgCapSet tEcrPrgCrs3000MemAlloc::GetPrgCapSet() const {
  return {tEcrPrgCaps::EcrPrgSend, tEcrPrgCaps::EcrPrgReceive, tEcrPrgCaps::EcrPrgMaint};
}

const EcrLayout* tEcrPrgCrs3000MemAlloc::RecordLayout() const { return &MemAllocFields::Layout(); }
int tEcrPrgCrs3000MemAlloc::LayoutVariant() const { return int(LayoutOf(ClassType())); }

MemAllocLayout tEcrPrgCrs3000MemAlloc::LayoutOf(const TClass& cls) {
  if (cls.InheritsFrom(tEcrPrgCrs3000MemAllocV402::StaticClass())) return MemAllocLayout::V402;
  if (cls.InheritsFrom(tEcrPrgCrs3000MemAllocV302::StaticClass())) return MemAllocLayout::V302;
  if (cls.InheritsFrom(tEcrPrgCrs3000MemAllocV225::StaticClass())) return MemAllocLayout::TwoByteCoupon;
  return MemAllocLayout::OneByteCoupon;
}

const TClass& tEcrPrgCrs3000MemAlloc::LayoutForLength(int dataLength) const {
  if (dataLength == 37) return tEcrPrgCrs3000MemAllocV402::StaticClass();
  if (dataLength == 40) return tEcrPrgCrs3000MemAllocV302::StaticClass();
  if (dataLength != 36 || ClassType().InheritsFrom(tEcrPrgCrs3000MemAllocV221::StaticClass())) return ClassType();
  // The logon's object: the driver's own memory allocation class knows the register's ROM.
  if (const tEcr* driver = dynamic_cast<const tEcr*>(Owner()))
    for (int i = 1; i <= driver->PrgCount(); ++i)
      if (driver->Prg(i)->InheritsFrom(StaticClass())) return driver->Prg(i)->ClassType();
  return ClassType();
}

void tEcrPrgCrs3000MemAlloc::DecodeRecord(TTable& table, const TEcrBlock& buffer, int, int& position) {
  const int variant = int(LayoutOf(LayoutClass ? *LayoutClass : ClassType()));
  const EcrLayout& layout = MemAllocFields::Layout();
  const Record values = layout.Decode(*this, buffer, position, variant);
  const QList<TFieldDef> defs = layout.FieldDefs();
  for (qsizetype i = 0; i < defs.size(); ++i) table.FieldByName(defs[i].name).SetValue(values[i]);
  position += layout.RecordSize(variant);
  if (receiving_ && decoded_.isEmpty()) decoded_ = values;
}

void tEcrPrgCrs3000MemAlloc::EncodeBlock(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table) {
  if (blockCount == GetFirstBlk() - 1) table.First();
  if (table.Eof() || table.IsEmpty()) {
    blockLength = 0;
    return;
  }
  try {
    if (blockCount + 1 > kHighestBlockNumber) throw ERangeError();
    int position = GetBlkOffset() + 2;
    EncodeRecord(table, buffer, 0, position);
    table.Next();
    ++blockCount;
    blockLength = position;
    buffer[0] = quint8(blockCount);
    buffer[1] = kSendMarker;
  } catch (const Exception&) {
    blockLength = 0;
    throw EEncodeAborted(QStringLiteral("Got Exception Converting Data, Aborting"));
  }
}

void tEcrPrgCrs3000MemAlloc::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  const int dataLength = BlkLen - kFrameBytes;
  LayoutClass = &LayoutForLength(dataLength);
  // A block shorter than its layout reads as if the missing bytes were zero.
  TEcrBlock record = buffer;
  std::fill(record.begin() + std::clamp(4 + dataLength, 4, kEcrBlockSize), record.end(), quint8(0));
  int position = 4;
  table.Append();
  DecodeRecord(table, record, 0, position);
  table.Post();
}

void tEcrPrgCrs3000MemAlloc::ReadBlockFile(QFile& file) {
  receiving_ = true;
  decoded_.clear();
  const auto done = qScopeGuard([this] { receiving_ = false; });
  tEcrPrgCrs3000::ReadBlockFile(file);
  received_ = decoded_;
}

void tEcrPrgCrs3000MemAlloc::PreFillTable(TTable& table) {
  const bool receiving = std::exchange(receiving_, false);
  const auto restore = qScopeGuard([&] { receiving_ = receiving; });
  tEcrPrgCrs3000::PreFillTable(table);
}

void tEcrPrgCrs3000MemAlloc::SetEcrSizes() {
  auto* driver = dynamic_cast<tEcrCrs3000*>(Owner());
  if (!driver) throw EAssertionFailed(QStringLiteral("The memory allocation belongs to no CRS 3000 register driver"));
  if (received_.isEmpty()) return;
  for (int i = 0; i < MemAllocFields::SizeCount; ++i) driver->EcrSizes.Set(i, received_[i]);
}
