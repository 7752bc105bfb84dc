#pragma once
// The layout of data appended to an executable: sessions one after another at the end of
// the file, each its items and then its 278-byte trailer; an item is a 544-byte header and
// its stored data, a zlib stream of the item's bytes. Numbers are little-endian signed
// 32-bit; texts are a length byte and the characters, zero-padded to the field's size.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace ZorvFormat {
inline constexpr uint32_t kHeadMagic = 0x6A4A61A3;
inline constexpr uint32_t kTailMagic = 0x8CF9BF0D;
inline constexpr int kTrailerSize = 278;
inline constexpr int kItemHeaderSize = 544;
inline constexpr int kSessionNameMax = 63;

// Trailer fields (offsets).
inline constexpr int kTrailerFirstItem = 62;
inline constexpr int kTrailerSessionSize = 66;
inline constexpr int kTrailerItemCount = 70;
inline constexpr int kTrailerTotalSize = 78;
inline constexpr int kTrailerCreator = 82;
inline constexpr int kTrailerSessionName = 146;
inline constexpr int kTrailerChecksum = 270;
inline constexpr int kTrailerEndMagic = 274;

// Item header fields (offsets).
inline constexpr int kItemName = 4;
inline constexpr int kItemFolder = 260;
inline constexpr int kItemSize = 516;
inline constexpr int kItemStoredSize = 520;
inline constexpr int kItemFileTime = 524;
inline constexpr int kItemLevel = 532;
inline constexpr int kItemChecksum = 536;
inline constexpr int kItemEndMagic = 540;

// h := 3h + byte over the bytes, modulo 2^32, starting at 0.
uint32_t Checksum(const char* bytes, int count);

int32_t ReadInt(const QByteArray& block, int offset);
uint32_t ReadWord(const QByteArray& block, int offset);
// A length-prefixed text of a field of `size` bytes (a length past the field is cut).
QString ReadText(const QByteArray& block, int offset, int size);

struct Trailer {
  int32_t firstItem = 0;
  int32_t itemCount = 0;
  int32_t totalSize = 0;
  QString sessionName;
};

struct ItemHeader {
  QString name;
  QString folder;
  int32_t size = 0;
  int32_t storedSize = 0;
  // A file time: 100-nanosecond steps since 1601-01-01.
  uint64_t fileTime = 0;
  int32_t level = 0;
};

// Both magics and the checksum right: the trailer's fields; otherwise nothing.
std::optional<Trailer> ParseTrailer(const QByteArray& block);
std::optional<ItemHeader> ParseItemHeader(const QByteArray& block);
} // namespace ZorvFormat
