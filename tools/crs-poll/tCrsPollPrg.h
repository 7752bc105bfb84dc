#pragma once
// A program table as crs-poll moves it: the blocks themselves, with no local table behind
// them. A receive leaves the blocks in the work file (the file is read through once, so a
// damaged one fails the receive); a send takes its blocks from a block file the user
// names, numbered 1..N in their first byte as the system's own send files are.
#include "model/tEcrPrg.h"

class tCrsPollPrg : public tEcrPrg {
  TB_OBJECT(tCrsPollPrg)

public:
  explicit tCrsPollPrg(TBlank blank) : tEcrPrg(blank) {}

  int Code = 0;
  QString SourceFile; // the block file a send takes its blocks from

  int GetPrgCode() const override { return Code; }
  QString GetPrgName() const override { return QString::number(Code); }
  // Copies the blocks of SourceFile into the file; EInOutError for a file that cannot be read whole.
  void WriteBlockFile(QFile& file, bool isNew) override;
  // Reads the received blocks through once, storing nothing.
  void ReadBlockFile(QFile& file) override;
  // The blocks are never built from records.
  void EncodeRecord(TTable& table, TEcrBlock& buffer, int recordIndex, int& position) override;

  // Blocks in the last file written or read.
  qint32 Blocks = 0;
};

// Reads every block of a block file (a block file that cannot be read whole raises
// EInOutError); the number of blocks.
qint32 CountBlocks(QFile& file);
