#pragma once
// The electronic journal's items as they run across the data blocks of one poll. An item
// is a length L (16 bits, low byte first), L - 2 bytes of text and 2 unused bytes. The
// register fills its blocks without regard to the items, so an item may begin in one
// block and end in a later one: the bytes from the cut item's length field on are kept
// and read first with the next block's data. A length of 255 ends a block's items.
//
// The carried part is always less than one item, and the largest item (L = 257, 255
// characters) fits, so where the register cut its blocks never matters. Bytes still
// carried when the poll ends belong to no item and are dropped.
#include "model/EcrBlock.h"

#include <array>
#include <functional>
#include <span>

class TEjCarry {
public:
  static constexpr int kEndMark = 255;
  static constexpr int kLongestLength = 257;
  static constexpr int kLargestItem = 2 + kLongestLength;

  using Text = std::span<const quint8>;
  using EntryFn = std::function<void(Text text)>;

  // Forgets the bytes carried from the poll before.
  void Reset() { carried_ = 0; }
  // Reads one block's data after the bytes carried so far: entry gets the text of every
  // whole item in order, and the start of the item the block cuts is kept for the next.
  // ERecMismatch for an item whose length is outside 2 .. 257.
  void Read(std::span<const quint8> data, const EntryFn& entry);
  int Carried() const { return carried_; }

private:
  // The carried bytes, then the block's data behind them.
  std::array<quint8, kLargestItem + kEcrBlockSize> work_{};
  int carried_ = 0;
};
