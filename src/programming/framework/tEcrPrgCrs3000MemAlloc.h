#pragma once
// The register's memory allocation (program 14): how many entries each programmable table
// holds, and the ROM version text. Received at every logon into an object of this class;
// the values this object decoded then become the driver's table sizes (SetEcrSizes).
// The ROM-version classes (V221, V225, V302, V402) are the table as the user receives,
// edits and sends it; the four record layouts are in MemAllocLayout.
//
// A received block's layout comes from its data length: 37 bytes are the 4.02 layout, 40
// the 3.02 layout; the two 36-byte layouts cannot be told apart by length, so a version
// object uses its own, and the logon's object the one of the memory allocation class in
// its driver's programs (the driver knows its ROM), else the one-byte-Coupon layout.
#include "crs3000/tEcrPrgCrs3000.h"
#include "programming/framework/MemAllocLayout.h"

#include <QList>
#include <QVariant>

class tEcrPrgCrs3000MemAlloc : public tEcrPrgCrs3000 {
  TB_OBJECT(tEcrPrgCrs3000MemAlloc)

public:
  using Record = QList<QVariant>; // the 26 field values, in table order

  explicit tEcrPrgCrs3000MemAlloc(TBlank blank) : tEcrPrgCrs3000(blank) {}

  // The class whose layout the last decoded block used; nullptr until one was decoded.
  const TClass* LayoutClass = nullptr;

  // The record this object's last receive decoded (its first block), empty when it
  // received nothing.
  const Record& Received() const { return received_; }
  // The received values become the table sizes of the owning CRS 3000 driver. Taken from
  // this object's own receive, never from the shared table, so sessions that log on at the
  // same time cannot see each other's sizes. With nothing received the sizes stay.
  void SetEcrSizes();

  // The layout of a class of the family.
  static MemAllocLayout LayoutOf(const TClass& cls);

  int GetPrgCode() const override;       // 14
  QString GetPrgName() const override;   // "Memory Allocation"
  QString GetTableName() const override; // "tEcrPrgCrs3000MemAlloc" for every class
  tEcrPrgCapSet GetPrgCapSet() const override;
  int GetPrgRecSize() const override;
  QString GetMaintFormClass() const override;
  const EcrLayout* RecordLayout() const override;
  int LayoutVariant() const override; // this class's own layout
  // Decodes by the layout of the block at hand (LayoutClass).
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;
  // One block a record: block number, the byte 2, the record.
  void EncodeBlock(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table) override;
  // One row a block, whatever its number.
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;
  void ReadBlockFile(QFile& file) override;
  // A new table's blank row is not part of a receive.
  void PreFillTable(TTable& table) override;

private:
  const TClass& LayoutForLength(int dataLength) const;

  bool receiving_ = false;
  Record decoded_;  // the first record of the receive in progress
  Record received_; // the first record of the last receive that succeeded
};
