#include "comm/link/TPacketPattern.h"

#include <algorithm>
#include <cstring>

namespace {
char Fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// True when the DLE at "at" is the second of a pair: an odd number of DLEs lies directly
// before it, back to the region's start.
bool IsDoubledDle(const QByteArray& buffer, int at, int regionStart) {
  int before = 0;
  for (int i = at - 1; i >= regionStart && buffer[i] == TPacketPattern::kDle; --i) ++before;
  return before % 2 == 1;
}
} // namespace

TPacketPattern::TPacketPattern(const QByteArray& text, bool ignoreCase) : text_(text), ignoreCase_(ignoreCase) {
  for (int i = 0; i < text.size(); ++i) {
    bool wild = text[i] == '?';
    char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      c = text[++i];
      wild = false;
    }
    bytes_ += ignoreCase ? Fold(c) : c;
    wild_ += wild ? '\1' : '\0';
  }
}

bool TPacketPattern::Matches(int index, char byte) const {
  if (wild_[index]) return true;
  return (ignoreCase_ ? Fold(byte) : byte) == bytes_[index];
}

int TPacketPattern::NextCandidate(const QByteArray& buffer, int from) const {
  const int size = static_cast<int>(buffer.size());
  if (IsEmpty() || from >= size || wild_[0]) return std::min(from, size);
  const char first = bytes_[0];
  if (ignoreCase_ && first >= 'A' && first <= 'Z') return from; // either case may begin it
  const void* found = std::memchr(buffer.constData() + from, static_cast<unsigned char>(first), size_t(size - from));
  return found ? static_cast<int>(static_cast<const char*>(found) - buffer.constData()) : size;
}

TPacketPattern::Result TPacketPattern::MatchAt(const QByteArray& buffer, int at, bool dleRule, int regionStart) const {
  if (IsEmpty()) return Mismatch;
  if (dleRule && at < buffer.size() && buffer[at] == kDle && IsDoubledDle(buffer, at, regionStart)) return Mismatch;
  for (int k = 0; k < Length(); ++k) {
    if (at + k >= buffer.size()) return Partial;
    const char byte = buffer[at + k];
    if (!Matches(k, byte)) return Mismatch;
    if (dleRule && k > 0 && k < Length() - 1 && byte == kDle && buffer[at + k - 1] == kDle) return Mismatch;
  }
  return Full;
}
