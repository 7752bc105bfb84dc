#pragma once
// The seeded source of every generated value: the same seed gives the same answer on every
// machine (the engine's output is fixed by the standard; the mapping to ranges is our own).
#include <QtGlobal>

#include <random>

class SynthRandom {
public:
  explicit SynthRandom(quint64 seed) : engine_(seed) {}
  // A number in 0 .. n - 1 (n >= 1).
  quint64 Below(quint64 n) { return engine_() % n; }
  // A value for a signed BCD field of at most `digits` digits: zero, either limit, or a
  // random number of random length and sign, so limits and negatives come up often.
  qint64 SignedValue(int digits);
  // An unsigned value of at most `digits` digits, limits included.
  qint64 UnsignedValue(int digits);

private:
  std::mt19937_64 engine_;
};
