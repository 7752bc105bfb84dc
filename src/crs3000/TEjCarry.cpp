#include "crs3000/TEjCarry.h"

#include "model/ERecMismatch.h"
#include "model/EcrErrors.h"

#include <cstring>

namespace {
int LengthAt(const quint8* item) { return item[0] | item[1] << 8; }
} // namespace

void TEjCarry::Read(std::span<const quint8> data, const EntryFn& entry) {
  if (data.size() > size_t(kEcrBlockSize))
    throw EAssertionFailed(QStringLiteral("A journal block of %1 bytes is longer than a block").arg(data.size()));
  if (!data.empty()) std::memcpy(work_.data() + carried_, data.data(), data.size());
  const int end = carried_ + int(data.size());
  carried_ = 0;
  int pos = 0;
  while (pos < end) {
    const int left = end - pos;
    // The end mark needs only its own two bytes: carried on, it would end the next block.
    if (left >= 2 && LengthAt(&work_[size_t(pos)]) == kEndMark) return;
    // Too short for any item: the rest may be the start of one.
    if (left < 4) break;
    const int length = LengthAt(&work_[size_t(pos)]);
    if (length < 2 || length > kLongestLength)
      throw ERecMismatch(QStringLiteral("Journal Entry Size Mismatch, got: %1  expecting: 2 to %2")
                             .arg(length)
                             .arg(kLongestLength));
    if (left < 2 + length) break;
    entry(Text(&work_[size_t(pos) + 2], size_t(length - 2)));
    pos += 2 + length;
  }
  carried_ = end - pos;
  std::memmove(work_.data(), work_.data() + pos, size_t(carried_));
}
