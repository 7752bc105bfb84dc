#include "tCrsPollPrg.h"

#include "model/EInOutError.h"
#include "model/TBlockFileReader.h"
#include "model/TBlockFileWriter.h"

#include <QFile>

TB_DEFINE_CLASS(tCrsPollPrg, tEcrPrg)

qint32 CountBlocks(QFile& file) {
  TBlockFileReader reader(file);
  TEcrBlock buffer{};
  qint32 length = 0;
  while (reader.Next(buffer, length)) {
  }
  return reader.BlocksRead();
}

void tCrsPollPrg::WriteBlockFile(QFile& file, bool) {
  QFile source(SourceFile);
  if (!source.exists()) throw EInOutError(QStringLiteral("Cannot open the block file %1: no such file").arg(SourceFile));
  TBlockFileReader reader(source);
  if (file.isOpen()) file.close();
  if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate))
    throw EInOutError(QStringLiteral("Cannot create the work file %1: %2").arg(file.fileName(), file.errorString()));
  TBlockFileWriter writer = TBlockFileWriter::Rewrite(file);
  TEcrBlock buffer{};
  qint32 length = 0;
  Blocks = 0;
  while (reader.Next(buffer, length)) {
    if (length == 0) // it would end the send early
      throw EInOutError(QStringLiteral("Block %1 of the block file %2 is empty").arg(reader.BlocksRead()).arg(SourceFile));
    writer.Write(buffer, length);
    ++Blocks;
  }
  writer.Finish(Blocks);
}

void tCrsPollPrg::ReadBlockFile(QFile& file) { Blocks = CountBlocks(file); }

void tCrsPollPrg::EncodeRecord(TTable&, TEcrBlock&, int, int&) {
  throw EInOutError(QStringLiteral("Program %1 is sent from a block file").arg(Code));
}
