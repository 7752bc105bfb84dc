#include "app/setup/ZorvFormat.h"

#include "platform/sys/Cp1252.h"

#include <algorithm>

namespace ZorvFormat {

uint32_t Checksum(const char* bytes, int count) {
  uint32_t h = 0;
  for (int i = 0; i < count; ++i) h = 3 * h + static_cast<uint8_t>(bytes[i]);
  return h;
}

uint32_t ReadWord(const QByteArray& block, int offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(block[offset + i]);
  return value;
}

int32_t ReadInt(const QByteArray& block, int offset) { return static_cast<int32_t>(ReadWord(block, offset)); }

QString ReadText(const QByteArray& block, int offset, int size) {
  const int length = std::min<int>(static_cast<uint8_t>(block[offset]), size - 1);
  return Cp1252::Decode(block.mid(offset + 1, length));
}

namespace {
bool Framed(const QByteArray& block, int size, int checksumAt, int endMagicAt) {
  return block.size() == size && ReadWord(block, 0) == kHeadMagic && ReadWord(block, endMagicAt) == kTailMagic &&
         ReadWord(block, checksumAt) == Checksum(block.constData(), checksumAt);
}
} // namespace

std::optional<Trailer> ParseTrailer(const QByteArray& block) {
  if (!Framed(block, kTrailerSize, kTrailerChecksum, kTrailerEndMagic)) return std::nullopt;
  Trailer trailer;
  trailer.firstItem = ReadInt(block, kTrailerFirstItem);
  trailer.itemCount = ReadInt(block, kTrailerItemCount);
  trailer.totalSize = ReadInt(block, kTrailerTotalSize);
  trailer.sessionName = ReadText(block, kTrailerSessionName, 64);
  return trailer;
}

std::optional<ItemHeader> ParseItemHeader(const QByteArray& block) {
  if (!Framed(block, kItemHeaderSize, kItemChecksum, kItemEndMagic)) return std::nullopt;
  ItemHeader header;
  header.name = ReadText(block, kItemName, 256);
  header.folder = ReadText(block, kItemFolder, 256);
  header.size = ReadInt(block, kItemSize);
  header.storedSize = ReadInt(block, kItemStoredSize);
  header.fileTime = ReadWord(block, kItemFileTime) | (uint64_t{ReadWord(block, kItemFileTime + 4)} << 32);
  header.level = ReadInt(block, kItemLevel);
  return header;
}
} // namespace ZorvFormat
