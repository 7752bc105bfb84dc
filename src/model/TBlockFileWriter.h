#pragma once
// Writes a block file (the format of TBlockFileReader): a new file with a placeholder
// count, or an existing one continued from its last block, as a chained transfer needs.
#include "model/EcrBlock.h"

class QFile;

class TBlockFileWriter {
public:
  // Creates or truncates the file and writes the count 0 as a placeholder.
  static TBlockFileWriter Rewrite(QFile& file);
  // Opens an existing file to continue it: reads its count and every block, leaves the
  // last block in the buffer with its length (0 when the file has none) and places the
  // writer at that block, so that the next Write replaces it.
  static TBlockFileWriter Continue(QFile& file, TEcrBlock& lastBlock, qint32& lastLength);

  // The count the file held when it was continued, and the blocks it really held (0 for
  // a new file).
  qint32 StoredCount() const { return storedCount_; }
  qint32 BlocksFound() const { return blocksFound_; }
  // Writes one block (length 1..4096; a length of 0 is never written).
  void Write(const TEcrBlock& buffer, qint32 length);
  // Writes the count at the start and cuts the file after the last block written.
  void Finish(qint32 count);

private:
  explicit TBlockFileWriter(QFile& file) : file_(file) {}

  QFile& file_;
  qint32 storedCount_ = 0;
  qint32 blocksFound_ = 0;
  qint64 position_ = 4;
};
