#pragma once
// The character trace of a dispatcher: a ring of (kind, byte) pairs, 'T' for every byte
// queued for output and 'R' for every byte taken from the input, dumped as a text file.
#include <QString>
#include <cstdint>
#include <vector>

class TSclTrace {
public:
  static constexpr int kMaxEntries = 4000000;

  // Empties an existing ring (its capacity stays) or makes one of entries; tracing on.
  // 0, or -1002 for more than kMaxEntries.
  int Start(int entries);
  void Stop();
  void Clear();
  void Resume();
  void Pause();
  bool Tracing() const { return on_; }
  bool Exists() const { return capacity_ > 0; }

  void Add(char kind, uint8_t byte);
  // Writes the file (see the .cpp) and frees the ring: 0, or minus the I/O error number.
  int Dump(const QString& fileName, bool append, bool hex);

private:
  void Free();

  std::vector<uint8_t> ring_;
  int capacity_ = 0;
  int write_ = 0;
  bool wrapped_ = false;
  bool on_ = false;
};
