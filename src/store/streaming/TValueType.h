#pragma once
// The one-byte type that begins each typed value in an object stream.
#include <QtGlobal>

enum class TValueType : quint8 {
  EndOfList = 0x00,
  ListBegin = 0x01,
  Int8 = 0x02,
  Int16 = 0x03,
  Int32 = 0x04,
  Float = 0x05, // followed by an 80-bit extended value
  String = 0x06, // a 1-byte length
  False = 0x08,
  True = 0x09,
  LongString = 0x0C, // a 4-byte length
};
