#pragma once
// A register record described as data: one column a field, each with its table field
// (name, type, size), its coding in the record and its place (offset and width) in each
// variant of the record. A variant is one of the record's layouts (ROM versions that
// moved or added fields); a column that a variant lacks has no place there and decodes as
// zero, false or empty. The same table drives the local table's definition, the decode
// of a record into values and the encode of values into a record, so a program table or
// a report decoder is written as its columns and nothing else.
//
// Every coding goes through the codecs of the object at hand (tEcrFnct), so a register
// family that replaces a codec changes every layout of that family.
#include "model/EcrBlock.h"
#include "platform/engine/FieldTypes.h"
#include "platform/engine/TableDef.h"

#include <QList>
#include <QVariant>
#include <vector>

class tEcrFnct;
class TTable;

enum class EcrCoding {
  Text,      // fixed-width register text, as the object's text codec reads it
  TermText,  // register text that ends at its first zero byte
  Bcd,       // unsigned packed BCD, divided by the column's scale
  SignedBcd, // signed packed BCD, divided by the column's scale
  Bit,       // one bit (the column's bit) of its byte
  Byte,      // one plain byte
  Date,      // BCD date, in the column's date order
  Time,      // BCD time HHMM
  Totaliser, // signed BCD with scale; a value that cannot be read is the overflow mark
  Reserved,  // bytes of the record that belong to no field: no column, left as they are
};

struct EcrPlace {
  int offset = -1; // -1: not in this variant
  int width = 0;
  bool Present() const { return offset >= 0; }
};
inline constexpr EcrPlace kNotInVariant{};

struct EcrColumn {
  const char* name; // nullptr for Reserved bytes
  TFieldType type;
  int size; // of an alpha field
  EcrCoding coding;
  std::vector<EcrPlace> places; // one for each variant of the layout
  int scale = 1;                // Bcd, SignedBcd, Totaliser: the stored value is raw / scale
  int bit = 0;                  // Bit: the bit of its byte
  int dateOrder = 0;            // Date: 0 YYMMDD, 1 MMDDYY, 2 DDMMYY
};

class EcrLayout {
public:
  using Values = QList<QVariant>; // one for each named column, in column order

  // Raises EAssertionFailed for a column without a place in every variant, a place that
  // leaves the record, or two places that overlap.
  EcrLayout(std::vector<int> recordSizes, std::vector<EcrColumn> columns);

  int VariantCount() const { return int(recordSizes_.size()); }
  // ERangeError for a variant the layout does not have.
  int RecordSize(int variant) const;
  const std::vector<EcrColumn>& Columns() const { return columns_; }
  // The named columns only.
  QList<TFieldDef> FieldDefs() const;

  // The record at the position, as values of the named columns.
  Values Decode(tEcrFnct& codecs, const TEcrBlock& buffer, int position, int variant) const;
  // Writes the values of the named columns into the record at the position; bytes no
  // column of the variant holds are left as they are.
  void Encode(tEcrFnct& codecs, const Values& values, TEcrBlock& buffer, int position, int variant) const;

  // The same between the table's current row and the record; DecodeInto leaves the fields
  // of columns the variant lacks as they are (empty in a new row).
  void DecodeInto(TTable& table, tEcrFnct& codecs, const TEcrBlock& buffer, int position, int variant) const;
  Values ReadRow(TTable& table) const;

private:
  void Check() const;
  QVariant DecodeColumn(tEcrFnct& codecs, const EcrColumn& column, const TEcrBlock& buffer, int at, int width) const;
  void EncodeColumn(tEcrFnct& codecs, const EcrColumn& column, const QVariant& value, TEcrBlock& buffer, int at,
                    int width) const;

  std::vector<int> recordSizes_;
  std::vector<EcrColumn> columns_;
};
