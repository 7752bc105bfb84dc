#pragma once
// The base of every programmable table of the CRS 3000. A table class states only its
// constants (code, name, record size, records per block, block range, table, forms, next
// table of its chain) and its record codec; this base turns the local table into the
// register's transfer blocks and back.
//
// Send block (BlkLen bytes): byte 0 the block number (1 for the first block of a file),
// byte 1 the records this call wrote (0 when 256 or more), then GetBlkOffset bytes that
// are not this table's, then the records. Received block: the link frame (DLE STX, block
// number, record count, data, DLE ETX, two CRC bytes); this table's records start at
// 4 + GetBlkOffset and GetBlkRestSize bytes of the data belong to other tables.
//
// Texts use the register's character codes: bytes 0x00..0x09 are the digits '0'..'9',
// 0x0E is '<' and 0x0F '>'; terminated texts end at a 0xFF byte.
#include "crs3000/tEcrPrgCrs.h"

class tEcrPrgCrs3000 : public tEcrPrgCrs {
  TB_OBJECT(tEcrPrgCrs3000)

public:
  explicit tEcrPrgCrs3000(TBlank blank) : tEcrPrgCrs(blank) {}
  // Clears ChainContinue.
  void Create(TObject* owner) override;

  // The block counter at which EncodeBlock last began filling a block.
  qint32 LastFillBlk = 0;
  // The next EncodeBlock continues a transfer that an earlier table of the chain began:
  // it writes that table's last block back unchanged and starts its own records in a new
  // block with the next number, so block numbers and the file's count stay consistent.
  bool ChainContinue = false;
  // The length of the last block EncodeBlock built before the table ran out of rows.
  qint32 PartBlkLen = 0;

  // Texts ended by a 0xFF byte (the whole field when it holds none).
  virtual QString DecodeTermText(const TEcrBlock& buffer, int offset, int length);
  // Blank-padded; the 0xFF terminator goes right after the text when that byte lies in
  // the block (inside a record it is overwritten by the next field).
  virtual void EncodeTermText(TEcrBlock& buffer, int offset, int length, const QString& text);

  // The length less the 8 frame bytes, then the base check.
  int CountRecords(int length, int recordSize, int maxRecords) override;
  // Exactly length characters, mapped by the register's codes (zero bytes read as '0').
  QString DecodeText(const TEcrBlock& buffer, int offset, int length) override;
  // Blank-padded; '<' and '>' stored as their codes, everything else as it is.
  void EncodeText(TEcrBlock& buffer, int offset, int length, const QString& text) override;
  // Raises EEncodeAborted ("Got Exception <error> Converting Data for record: <n>,
  // Aborting") when a record cannot be encoded or a block number passes 255.
  void EncodeBlock(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table) override;
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;
  void PreFillTable(TTable& table) override;
  // Hand the file to the driver's program of class NextPrgClass, when there is one.
  void AfterWriteBlockFile(QFile& file) override;
  void AfterReadBlockFile(QFile& file) override;

protected:
  // The driver's program of class NextPrgClass, or nullptr.
  tEcrPrg* NextProgram();

private:
  void EncodeRecords(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table);
};
