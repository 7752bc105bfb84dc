#pragma once
// How each typed bucket keeps its value in the first bytes of its data (little-endian), and
// the key by which its compare function orders it.
#include "platform/sys/TDateTime.h"
#include "store/streaming/Extended80.h"
#include "store/streaming/Real48.h"

#include <QtGlobal>
#include <bit>
#include <cstdint>

namespace BucketCodec {
template <int Bytes> struct UnsignedOf;
template <> struct UnsignedOf<1> { using Type = quint8; };
template <> struct UnsignedOf<2> { using Type = quint16; };
template <> struct UnsignedOf<4> { using Type = quint32; };
template <> struct UnsignedOf<8> { using Type = quint64; };

// Integers and IEEE floats, stored as they are.
template <class T> struct Plain {
  using Value = T;
  static constexpr int Size = sizeof(T);
  using Bits = typename UnsignedOf<Size>::Type;
  static Value Get(const quint8* p) {
    Bits bits = 0;
    for (int i = 0; i < Size; ++i) bits = Bits(bits | Bits(Bits(p[i]) << (8 * i)));
    return std::bit_cast<T>(bits);
  }
  static void Put(Value v, quint8* p) {
    const Bits bits = std::bit_cast<Bits>(v);
    for (int i = 0; i < Size; ++i) p[i] = quint8(bits >> (8 * i));
  }
  static Value Key(const quint8* p) { return Get(p); }
};

// A character, ordered by its unsigned code.
struct Char {
  using Value = char;
  static constexpr int Size = 1;
  static Value Get(const quint8* p) { return char(p[0]); }
  static void Put(Value v, quint8* p) { p[0] = quint8(v); }
  static quint8 Key(const quint8* p) { return p[0]; }
};

// A one-byte Boolean, ordered by the byte as it is.
struct ByteBool {
  using Value = bool;
  static constexpr int Size = 1;
  static Value Get(const quint8* p) { return p[0] != 0; }
  static void Put(Value v, quint8* p) { p[0] = v ? 1 : 0; }
  static quint8 Key(const quint8* p) { return p[0]; }
};

// A 16- or 32-bit Boolean: zero is false, anything else true (written as all ones); false
// orders before true and all true values are equal.
template <class Raw> struct WideBool {
  using Value = bool;
  static constexpr int Size = sizeof(Raw);
  static Value Get(const quint8* p) { return Plain<Raw>::Get(p) != 0; }
  static void Put(Value v, quint8* p) { Plain<Raw>::Put(v ? Raw(~Raw(0)) : Raw(0), p); }
  static Value Key(const quint8* p) { return Get(p); }
};

struct Real6 {
  using Value = double;
  static constexpr int Size = 6;
  static Value Get(const quint8* p) { return Real48::Decode(p); }
  // EReal48Overflow for a value the 6-byte real cannot hold.
  static void Put(Value v, quint8* p) { Real48::Encode(v, p); }
  static Value Key(const quint8* p) { return Get(p); }
};

struct Extended {
  using Value = double;
  static constexpr int Size = 10;
  static Value Get(const quint8* p) { return Extended80::Decode(p); }
  static void Put(Value v, quint8* p) { Extended80::Encode(v, p); }
  static Value Key(const quint8* p) { return Get(p); }
};

struct DateTime {
  using Value = TDateTime;
  static constexpr int Size = 8;
  static Value Get(const quint8* p) { return TDateTime(Plain<double>::Get(p)); }
  static void Put(Value v, quint8* p) { Plain<double>::Put(v.Days(), p); }
  static double Key(const quint8* p) { return Plain<double>::Get(p); }
};
} // namespace BucketCodec
