#pragma once
// A data packet's start or end pattern: "?" matches any byte, "\" takes the next character
// literally, every other character itself (a-z folded to upper case when case is ignored).
//
// The doubled-DLE rule of the register link: inside a frame a data byte 0x10 (DLE) is sent
// twice, so the second DLE of a pair is data and can neither begin a pattern nor continue
// one (only a pattern's last position takes any byte). Which DLE of a run is the second is
// counted from the start of the region being matched.
#include <QByteArray>

class TPacketPattern {
public:
  enum Result { Mismatch, Partial, Full };
  static constexpr char kDle = 0x10;

  TPacketPattern() = default;
  TPacketPattern(const QByteArray& text, bool ignoreCase);

  int Length() const { return static_cast<int>(bytes_.size()); }
  bool IsEmpty() const { return bytes_.isEmpty(); }
  // The pattern as written (for the dispatch log).
  const QByteArray& Text() const { return text_; }

  // Tries the pattern on buffer at "at": Partial when the buffer ends inside a match.
  // With dleRule, regionStart is where DLE pairs are counted from.
  Result MatchAt(const QByteArray& buffer, int at, bool dleRule, int regionStart) const;
  // The first position from "from" on where a match can begin (its first byte fits), or
  // the buffer's size: a scan need not try the positions before it.
  int NextCandidate(const QByteArray& buffer, int from) const;

private:
  bool Matches(int index, char byte) const;

  QByteArray text_;
  QByteArray bytes_;
  QByteArray wild_; // 1 where the position takes any byte
  bool ignoreCase_ = false;
};
