#pragma once
// A ring of bytes with a head (where bytes go in), a tail (where they come out) and a full
// flag, as the dispatcher's input and output rings keep them. Not locked: the dispatcher
// holds the ring's lock around every use.
#include <vector>

class TSclByteRing {
public:
  void Allocate(int size);
  void Release();
  void Reset();

  int Size() const { return static_cast<int>(bytes_.size()); }
  int Head() const { return head_; }
  int Tail() const { return tail_; }
  bool Full() const { return full_; }
  int Used() const;
  int Room() const { return Size() - Used(); }

  // Copies n bytes in at the head, in two pieces across the end; the caller has made sure
  // they fit. The ring is full when the head then meets the tail.
  void Put(const char* bytes, int n);
  // The free run at the head, up to the end of the ring or the tail; then Produced(n).
  char* HeadRun(int& length);
  void Produced(int n);
  // Copies n bytes that lie offset bytes beyond the tail.
  void Peek(int offset, char* out, int n) const;
  // The tail moves past n bytes taken out (read or sent). An emptied ring starts again at
  // index 0, so that the next read into it or write from it is not split at its end.
  void Consume(int n);
  // The next contiguous run of pending bytes for the writer. When the pending bytes wrap,
  // the ring is first turned so that they start at index 0. Then Consume(n).
  const char* NextRun(int& length);

private:
  void Rotate();

  std::vector<char> bytes_;
  int head_ = 0;
  int tail_ = 0;
  bool full_ = false;
};
