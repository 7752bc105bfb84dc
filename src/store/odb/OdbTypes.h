#pragma once
// The small value types of the object database: the key-field types and their sets, and
// the index options.
#include <QFlags>
#include <QtGlobal>
#include <initializer_list>

// Stored as one byte; the numbers are part of the stream form of a key field.
enum class TOdbFieldType : quint8 { String = 0, Float = 1, Integer = 2, Counter = 3 };

constexpr int OdbFieldTypeCount = 4;

// A set of key-field types.
class TOdbFieldTypes {
public:
  constexpr TOdbFieldTypes() = default;
  constexpr TOdbFieldTypes(std::initializer_list<TOdbFieldType> types) {
    for (TOdbFieldType type : types) bits_ |= Bit(type);
  }
  static constexpr TOdbFieldTypes All() {
    return {TOdbFieldType::String, TOdbFieldType::Float, TOdbFieldType::Integer, TOdbFieldType::Counter};
  }
  constexpr bool Contains(TOdbFieldType type) const { return (bits_ & Bit(type)) != 0; }

private:
  static constexpr quint8 Bit(TOdbFieldType type) { return quint8(1u << quint8(type)); }
  quint8 bits_ = 0;
};

// The options of an index; the bit numbers are part of the stream form of an index.
enum class TOdbIndexOption : quint8 { Primary = 0x01, Unique = 0x02, CaseInsensitive = 0x04, Descending = 0x08 };
Q_DECLARE_FLAGS(TOdbIndexOptions, TOdbIndexOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOdbIndexOptions)
