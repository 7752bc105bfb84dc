#pragma once
// The product mix report (code 43): one record a product mix item with its piece count
// and, for each time period of the register's day, the item's sales total and count. The
// register chooses 12, 24, 36 or 48 periods, so the record is 3 + 12 x periods bytes; each
// data block says how many records it holds (its record count byte), and the record size
// follows from that and the block's length. The table always has room for 48 periods;
// periods the register did not send store 0. Item names come from the product mix program.
#include "crs3000/Crs3000FormTables.h"
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000ProductMix : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000ProductMix)

public:
  explicit tEcrRptCrs3000ProductMix(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 43; }
  QString GetRptName() const override { return QStringLiteral("Product Mix"); }
  QString GetTableName() const override { return QStringLiteral("tEcrRptCrs3000ProdMix"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000PMix"); }
  // The record size and the records of a full block of the data block being decoded
  // (147/12, 291/6, 435/4, 579/3); 0 when no block is being decoded or its record size
  // is none of these.
  int GetPrgRecSize() const override;
  int GetRecsInBlk() const override;
  // Time periods a record of the current block holds: 12, 24, 36, 48, or 0.
  int SlotCount() const { return slotCount_; }

  // Poll Id, Memory Number, Name, Pieces, then "Time Period NN Count" and "... Total" for
  // NN = 01 .. 48.
  std::optional<TTableDef> DescribeTable() const override;
  // Sizes the records from the block's record count byte, then the base's record loop.
  // A record count of 0 with data in the block cannot size a record: the block is refused.
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;
  QList<Crs3000FormTable> FormTables() const { return Crs3000FormTables::TimeRange(); }

private:
  int slotCount_ = 0;
  TEcrNameLookup names_;
};
