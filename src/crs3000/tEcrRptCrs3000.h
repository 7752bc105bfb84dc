#pragma once
// The base of every CRS 3000 report decoder. Block 1 of a work file is the poll header,
// which becomes the poll's AllPolls row; every later block holds whole records, which the
// base cuts out and hands to the decoder's DecodeRecord one by one, checking afterwards
// that the bytes decoded add up. A report whose answer carries further reports (the
// financial report and its sections) names the next class in NextRptClass, and the base
// runs that class over the same work file as part of the same save.
//
// Stored block: DLE STX, block number, record count, the data (n bytes), DLE ETX, two CRC
// bytes; BlkLen = n + 8. Records start at 4 + GetRecStart.
//
// A decoder class states its constants (GetRptCode, GetRptName, GetRecsInBlk,
// GetTableName, ReportFormClass, GetOptsFormClass) and its record. A plain record is
// written as a layout (RecordLayout, see EcrLayout), from which the base derives the
// record size, the table ("Poll Id", then "Memory Number" when RecordNumberType gives it
// a type, then any LookUpFields, then the layout's columns) and DecodeRecord. A decoder
// whose record no layout can say overrides GetPrgRecSize, DescribeTable and DecodeRecord,
// which sets "Poll Id" := PollId, fills the row and advances the position by exactly
// GetPrgRecSize.
#include "crs3000/tEcrCrsReport.h"
#include "crs3000/tTotalizerFlags.h"

#include <QList>
#include <QStringList>
#include <optional>

struct TFieldDef;

class tEcrRptCrs3000 : public tEcrCrsReport {
  TB_OBJECT(tEcrRptCrs3000)

public:
  explicit tEcrRptCrs3000(TBlank blank) : tEcrCrsReport(blank) {}
  // The register range 1 .. 24 (IntParams 3 and 4).
  void Create(TObject* owner) override;

  // Decodes the poll header into a new AllPolls row (AddPoll, then the header fields).
  virtual void WritePollHeader(TTable& table, const TEcrBlock& buffer);
  // Data bytes of a record block that are not this report's (0).
  virtual int GetSkipBytes() const;
  // Offset of this report's first record inside a block's data (0).
  virtual int GetRecStart() const;
  // The most records one block holds (1).
  virtual int GetRecsInBlk() const;
  // The report decoded next from the same work file, or nullptr.
  virtual const TClass* NextRptClass() const;
  // The type of the "Memory Number" column that numbers a layout's rows across blocks
  // (RecordNumber), or none for a table without one.
  virtual std::optional<TFieldType> RecordNumberType() const;
  // Columns of a layout's table that the record does not hold (a name looked up in a
  // program table, say), placed after "Memory Number"; none in the base.
  virtual QList<TFieldDef> LookUpFields() const;
  // Fills them for the record of that number (RecordNumber); nothing in the base.
  virtual void FillLookUps(TTable& table, int recordNumber);
  // The fields of the primary index of a layout's table: "Poll Id" and "Memory Number"
  // when the rows are numbered, else none.
  virtual QStringList KeyFields() const;

  // With a layout: its record size (for LayoutVariant); else the base's.
  int GetPrgRecSize() const override;
  // With a layout: "Poll Id" (long integer), "Memory Number" when numbered, LookUpFields,
  // the layout's columns, and the primary index on KeyFields; else none.
  std::optional<TTableDef> DescribeTable() const override;
  // The fields and indexes of DescribeTable; nothing when it describes none.
  void DefineTable(TTable& table) override;
  // With a layout: "Poll Id", "Memory Number" when numbered, FillLookUps, the layout's
  // columns, and the position advanced by the record size. Nothing without one.
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;

  // The length less the 8 frame bytes, then the base check.
  int CountRecords(int length, int recordSize, int maxRecords) override;
  // Exactly length characters; 0x0E is '<', 0x0F '>', every other byte as it is, zero
  // bytes included. A text field keeps the text up to its first zero byte (UpToZero).
  QString DecodeText(const TEcrBlock& buffer, int offset, int length) override;
  static QString UpToZero(const QString& text);
  QString GetOptsFormClass() const override; // "TfmEcrRptOptCrs3000"
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;
  // Runs NextRptClass over the same file, as part of this save.
  void AfterReadBlockFile(QFile& file) override;

  // The record's number in the answer: GetRecsInBlk x (BlkCount - 2) + index + 1 (the
  // first data block is block 2).
  int RecordNumber(int recordIndex) const;

  // Reads a totaliser at the position into its columns: the total (signed BCD of
  // totalWidth bytes / totalScale) into name + " Total", then the count (countWidth bytes
  // / countScale) into name + " Count", as the flags say. A value that cannot be read or
  // stored becomes 999999999 (total) or 999999 (count); a column the table lacks raises.
  void DecodeTotalizer(TTable& table, const TEcrBlock& buffer, int& position, const QString& name, int flags,
                       int countWidth, int totalWidth, int countScale, int totalScale);
  // The columns of a totaliser: name + " Count" (long integer), then name + " Total"
  // (money), as the flags say.
  static void AddTotalizerDefs(QList<TFieldDef>& fields, const QString& name, int flags);

protected:
  // The ROM text of the driver that owns the report; empty without one.
  QString RomName() const;
  // True when this object's class is the named class or derives from it (the classes
  // compared may belong to decoders that are not built into this program).
  bool DescendsFrom(const QString& className) const;
};
