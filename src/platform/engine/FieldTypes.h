#pragma once
// The field types of the engine's tables and how each is kept in the database file.
//
// Every column is declared with a type name of the engine's own (ALPHA_TEXT(24),
// MONEY_REAL, ...) chosen so that the file's column affinity matches the value kept, and
// so that the declared structure can be read back from the file exactly:
//   alpha n      ALPHA_TEXT(n)   text, cut to n characters and at its first zero when
//                                set through a cursor
//   alpha n that keeps every byte
//                ALPHA_RAW_TEXT(n) the same, but zeros are kept: raw bytes held as text
//   short        SHORT_INT       integer, -32768..32767 (checked when set)
//   long         LONG_INT        integer (64-bit: a value is never cut)
//   money        MONEY_REAL      8-byte float, the value in currency units (12.34); a cent
//                                amount written is read back as the same cent amount
//   number       NUMBER_REAL     8-byte float
//   date         DATE_REAL       day number (days since 1899-12-30), whole days
//   time         TIME_REAL       fraction of a day
//   date-time    DATETIME_REAL   day number with the time as its fraction
//   logical      LOGICAL_INT     0 or 1
//   autoincrement INTEGER PRIMARY KEY AUTOINCREMENT: the record id; never reused
//   memo         MEMO_TEXT       text
//   blob         BLOB            bytes
//   bytes n      BYTES_BLOB(n)   n bytes
// Day numbers sort and compare as plain numbers, so ranges and ORDER BY stay correct.
#include <QString>
#include <optional>

enum class TFieldType { Alpha, Short, Long, Money, Number, Date, Time, DateTime, Logical, AutoInc, Memo, Blob, Bytes };

enum class TFieldStorage { Text, Integer, Real, Bytes };

struct TFieldTypeInfo {
  TFieldType type;
  const char* name;     // as mismatch messages name it
  int physicalCode;     // the code of the table-definition records
  const char* sqlType;  // declared column type, without the size
  bool sized;           // the size is part of the type
  TFieldStorage storage;
};

const TFieldTypeInfo& FieldTypeInfo(TFieldType type);
// The type of a table-definition record's code; nullopt for a code the engine lacks.
std::optional<TFieldType> FieldTypeFromPhysical(int code);
// The column's declared type, e.g. "ALPHA_TEXT(24)".
QString SqlTypeOf(TFieldType type, int size, bool keepsEveryByte = false);

struct TParsedSqlType {
  TFieldType type;
  int size = 0;
  bool keepsEveryByte = false;
};
// Reads a declared column type back; nullopt when it is none of the engine's.
std::optional<TParsedSqlType> ParseSqlType(const QString& declared, bool primaryKey);
