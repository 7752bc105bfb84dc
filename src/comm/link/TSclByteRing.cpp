#include "comm/link/TSclByteRing.h"

#include <algorithm>
#include <cstring>

void TSclByteRing::Allocate(int size) {
  bytes_.assign(static_cast<size_t>(std::max(size, 0)), 0);
  Reset();
}

void TSclByteRing::Release() {
  bytes_.clear();
  bytes_.shrink_to_fit();
  Reset();
}

void TSclByteRing::Reset() {
  head_ = tail_ = 0;
  full_ = false;
}

int TSclByteRing::Used() const {
  if (full_) return Size();
  return Size() ? (head_ - tail_ + Size()) % Size() : 0;
}

void TSclByteRing::Put(const char* bytes, int n) {
  if (n <= 0 || Size() == 0) return;
  const int first = std::min(n, Size() - head_);
  std::memcpy(bytes_.data() + head_, bytes, static_cast<size_t>(first));
  std::memcpy(bytes_.data(), bytes + first, static_cast<size_t>(n - first));
  head_ = (head_ + n) % Size();
  if (head_ == tail_) full_ = true;
}

char* TSclByteRing::HeadRun(int& length) {
  length = full_ || Size() == 0 ? 0 : (tail_ > head_ ? tail_ : Size()) - head_;
  return bytes_.data() + head_;
}

void TSclByteRing::Produced(int n) {
  if (n <= 0) return;
  head_ = (head_ + n) % Size();
  if (head_ == tail_) full_ = true;
}

void TSclByteRing::Peek(int offset, char* out, int n) const {
  const int start = (tail_ + offset) % Size();
  const int first = std::min(n, Size() - start);
  std::memcpy(out, bytes_.data() + start, static_cast<size_t>(first));
  std::memcpy(out + first, bytes_.data(), static_cast<size_t>(n - first));
}

void TSclByteRing::Consume(int n) {
  if (n <= 0 || Size() == 0) return;
  tail_ = (tail_ + n) % Size();
  full_ = false;
  if (tail_ == head_) head_ = tail_ = 0;
}

void TSclByteRing::Rotate() {
  const int used = Used();
  std::vector<char> pending(static_cast<size_t>(used));
  Peek(0, pending.data(), used);
  std::memcpy(bytes_.data(), pending.data(), static_cast<size_t>(used));
  tail_ = 0;
  head_ = used % Size();
}

const char* TSclByteRing::NextRun(int& length) {
  length = 0;
  if (Used() == 0) return bytes_.data();
  if (head_ > tail_) length = head_ - tail_;
  else if (head_ == 0) length = Size() - tail_;
  else {
    Rotate();
    length = Used();
  }
  return bytes_.data() + tail_;
}
