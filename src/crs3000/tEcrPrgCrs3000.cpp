#include "crs3000/tEcrPrgCrs3000.h"

#include "model/tEcr.h"
#include "platform/engine/TTable.h"
#include "model/EcrErrors.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/ScopeGuard.h"

TB_DEFINE_ABSTRACT_CLASS(tEcrPrgCrs3000, tEcrPrgCrs)

namespace {
constexpr int kFrameBytes = 8;
constexpr int kHighestBlockNumber = 255;

QChar RegisterChar(quint8 byte) {
  if (byte <= 0x09) return QChar(u'0' + byte);
  if (byte == 0x0E) return QChar(u'<');
  if (byte == 0x0F) return QChar(u'>');
  return Cp1252::ToChar(byte);
}

quint8 RegisterByte(QChar ch, bool digitCodes) {
  if (ch == u'<') return 0x0E;
  if (ch == u'>') return 0x0F;
  if (digitCodes && ch >= u'0' && ch <= u'9') return quint8(ch.unicode() - u'0');
  return quint8(Cp1252::FromChar(ch));
}

} // namespace

void tEcrPrgCrs3000::Create(TObject* owner) {
  tEcrPrgCrs::Create(owner);
  ChainContinue = false;
}

int tEcrPrgCrs3000::CountRecords(int length, int recordSize, int maxRecords) {
  return tEcrPrgCrs::CountRecords(length - kFrameBytes, recordSize, maxRecords);
}

QString tEcrPrgCrs3000::DecodeText(const TEcrBlock& buffer, int offset, int length) {
  CheckSpan(offset, length);
  QString text;
  text.reserve(length);
  for (int i = 0; i < length; ++i) text += RegisterChar(buffer[size_t(offset + i)]);
  return text;
}

void tEcrPrgCrs3000::EncodeText(TEcrBlock& buffer, int offset, int length, const QString& text) {
  CheckSpan(offset, length);
  std::fill_n(buffer.begin() + offset, length, quint8(' '));
  const int count = std::min(int(text.size()), length);
  for (int i = 0; i < count; ++i) buffer[size_t(offset + i)] = RegisterByte(text[i], false);
}

QString tEcrPrgCrs3000::DecodeTermText(const TEcrBlock& buffer, int offset, int length) {
  CheckSpan(offset, length);
  int end = 0;
  while (end < length && buffer[size_t(offset + end)] != 0xFF) ++end;
  return DecodeText(buffer, offset, end);
}

void tEcrPrgCrs3000::EncodeTermText(TEcrBlock& buffer, int offset, int length, const QString& text) {
  CheckSpan(offset, length);
  std::fill_n(buffer.begin() + offset, length, quint8(' '));
  const int count = std::min(int(text.size()), length);
  for (int i = 0; i < count; ++i) buffer[size_t(offset + i)] = RegisterByte(text[i], true);
  // Right after a full field the terminator falls on the next field, which overwrites it;
  // past the end of the block there is nothing to terminate.
  if (offset + count < kEcrBlockSize) buffer[size_t(offset + count)] = 0xFF;
}

void tEcrPrgCrs3000::EncodeBlock(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table) {
  if (ChainContinue) {
    ChainContinue = false;
    if (blockLength > 0) {
      // The earlier table's last block is written back as it is and counted; this table's
      // records start in a new block.
      ++blockCount;
      table.First();
      LastFillBlk = blockCount;
      return;
    }
  }
  if (blockCount < GetFirstBlk() - 1) {
    ++blockCount;
    return;
  }
  if (blockCount == GetFirstBlk() - 1) {
    table.First();
    LastFillBlk = blockCount;
  }
  if (table.Eof() || table.IsEmpty()) {
    PartBlkLen = blockLength;
    blockLength = 0;
    return;
  }
  EncodeRecords(buffer, blockCount, blockLength, table);
}

void tEcrPrgCrs3000::EncodeRecords(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table) {
  const int size = GetPrgRecSize();
  const int start = GetBlkOffset() + 2;
  int i = 0;
  try {
    LastFillBlk = blockCount;
    for (;; ++i) {
      int position = start + i * size;
      EncodeRecord(table, buffer, i, position);
      table.Next();
      if (table.Eof() || i + 1 >= GetMaxRecsInBlk()) break;
    }
    if (blockCount + 1 > kHighestBlockNumber) throw ERangeError();
  } catch (const std::exception& e) {
    blockLength = 0;
    throw EEncodeAborted(QStringLiteral("Got Exception %1 Converting Data for record: %2, Aborting")
                             .arg(ExceptionMessage(e))
                             .arg(qint64(GetMaxRecsInBlk()) * blockCount + i + 1));
  }
  const int records = i + 1;
  ++blockCount;
  blockLength = start + records * size;
  buffer[0] = quint8(blockCount);
  buffer[1] = records >= 256 ? 0 : quint8(records);
}

void tEcrPrgCrs3000::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  if (BlkCount < GetFirstBlk() || BlkCount > GetLastBlk()) return;
  const int size = GetPrgRecSize();
  const int records = CountRecords(BlkLen - GetBlkRestSize(), size, GetMaxRecsInBlk());
  for (int i = 0; i < records; ++i) {
    int position = 4 + GetBlkOffset() + i * size;
    table.Append();
    DecodeRecord(table, buffer, i, position);
    table.Post();
  }
}

void tEcrPrgCrs3000::PreFillTable(TTable& table) {
  const qint32 keptCount = BlkCount, keptLength = BlkLen;
  const int wanted = GetInitRecs();
  const int perBlock = std::max(1, GetMaxRecsInBlk());
  BlkCount = GetFirstBlk();
  {
    const auto restore = OnScopeExit([&] {
      BlkCount = keptCount;
      BlkLen = keptLength;
    });
    for (int done = 0; done < wanted;) {
      const int records = std::min(perBlock, wanted - done);
      BlkLen = records * GetPrgRecSize() + GetBlkRestSize() + kFrameBytes;
      const TEcrBlock zeros{};
      DecodeBlock(table, zeros);
      ++BlkCount;
      done += records;
    }
  }
}

tEcrPrg* tEcrPrgCrs3000::NextProgram() {
  const TClass* next = NextPrgClass();
  const tEcr* driver = dynamic_cast<const tEcr*>(Owner());
  return next && driver ? driver->FindPrgByClass(next->ClassName()) : nullptr;
}

void tEcrPrgCrs3000::AfterWriteBlockFile(QFile& file) {
  if (tEcrPrg* next = NextProgram()) next->WriteBlockFile(file, false);
}

void tEcrPrgCrs3000::AfterReadBlockFile(QFile& file) {
  if (tEcrPrg* next = NextProgram()) ReadChained(*next, file);
}
