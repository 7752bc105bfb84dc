#pragma once
// Reads a block file: a 32-bit little-endian block count, then blocks of a 32-bit length
// and that many bytes, to the end of the file. The count is only a hint (for progress) and
// may be stale: readers go to the end of the file.
//
// A block never holds more than one TEcrBlock: a length that is negative or above 4096,
// and a file that ends inside a length or a block, raise EInOutError before anything is
// copied, so the buffer is never overrun and a damaged file is never taken for whole.
#include "model/EcrBlock.h"

class QFile;

class TBlockFileReader {
public:
  // Opens the file (again) from its start and reads the count; EInOutError when it cannot
  // be opened or is shorter than the count. The file stays open for the caller.
  explicit TBlockFileReader(QFile& file);

  qint32 Count() const { return count_; }
  // Reads the next block; false at the end of the file.
  bool Next(TEcrBlock& buffer, qint32& length);
  // Where the block just read starts (its length field).
  qint64 BlockStart() const { return blockStart_; }
  // Blocks read so far.
  qint32 BlocksRead() const { return blocksRead_; }

private:
  QFile& file_;
  qint32 count_ = 0;
  qint64 blockStart_ = 0;
  qint32 blocksRead_ = 0;
};
