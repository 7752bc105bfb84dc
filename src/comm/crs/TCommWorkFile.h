#pragma once
// The work file of a session slot: the blocks of the transfer in progress, as a block file
// (a 32-bit little-endian block count, then per block a 32-bit length and the bytes).
// A received block is stored as its frame with the doubling removed, from DLE STX to the
// second CRC byte. Each slot has its own file, named after the program, "WORKFILE", the
// slot and ".ECR", and every transfer of the slot rewrites it.
#include "model/TBlockFileWriter.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

class TCommWorkFile {
public:
  // The folder of the work files: the current folder until one is set (empty resets).
  static void SetFolder(const QString& folder);
  static QString Folder();
  static QString FileName(int slot);

  void Bind(int slot);
  // Closes the file and names it in the folder as it is set now (every transfer starts so,
  // so a folder set after the session began counts).
  void Rebind();
  QString Path() const { return file_.fileName(); }
  QFile& File() { return file_; }
  qint32 BlkCount() const { return blkCount_; }

  // Creates the file with the count 0 and stores the first block. EInOutError on failure.
  void Create(const QByteArray& block);
  // Stores one more block (at most one block file block long, else ERangeError).
  void Append(const QByteArray& block);
  // Writes the number of blocks stored at the start of the file.
  void WriteBlockCount();
  void Close();

private:
  QFile file_;
  std::optional<TBlockFileWriter> writer_; // while the file is open for a transfer
  int slot_ = 0;
  qint32 blkCount_ = 0;
};
