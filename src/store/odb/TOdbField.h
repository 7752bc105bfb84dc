#pragma once
// A key field of an object file: a name, a type, a size and a value kept as the stored
// bytes: a string as a length byte and its Windows-1252 characters (at most size - 1), a
// float as an 80-bit extended value (10 bytes), an integer or counter as a 32-bit signed
// value (4 bytes). A value never written reads as the empty string or zero.
//
// Ordered by "CompareOdbField" (by name, case ignored). The stream form: the name, the
// type, the size, then the size bytes of the value.
#include "platform/sys/TObject.h"
#include "store/odb/OdbTypes.h"

#include <QByteArray>
#include <QString>

class TObjectReader;
class TObjectWriter;
class TUnorderedList;

class TOdbField : public TObject {
  TB_OBJECT(TOdbField)
public:
  // size: the capacity of a string field including its length byte (1..255, else
  // EOdbInvalidFieldType); the other types have their own size and ignore the argument.
  TOdbField(const QString& name, TOdbFieldType type, int size);
  explicit TOdbField(TBlank blank) : TObject(blank) {}

  const QString& Name() const { return name_; }
  TOdbFieldType Type() const { return type_; }
  int Size() const { return int(value_.size()); }

  // Each raises EOdbInvalidFieldType on a field of another type: the string operations
  // need a string field, the float ones a float field, the integer ones an integer or
  // counter field. SetAsString keeps at most size - 1 characters.
  virtual QString GetAsString() const;
  virtual void SetAsString(const QString& value);
  virtual double GetAsFloat() const;
  virtual void SetAsFloat(double value);
  virtual qint32 GetAsInteger() const;
  virtual void SetAsInteger(qint32 value);

  // Strings equal exactly (case counts), floats numerically, integers and counters by
  // value; EOdbFieldsNotComparable for any other pair of types.
  bool SameValue(const TOdbField& other) const;

  static void ReadField(TObject& obj, TObjectReader& reader);
  static void WriteField(const TObject& obj, TObjectWriter& writer);

private:
  void CheckType(bool ok) const;

  QString name_;
  TOdbFieldType type_ = TOdbFieldType::String;
  QByteArray value_;
};

quint8 CompareOdbField(const TObject& first, const TObject& second);
// The field of that name (case ignored) in a list of TOdbField; EOdbFieldDoesNotExist
// with the name as its text when there is none.
TOdbField& FindOdbField(const QString& name, const TUnorderedList& fields);
// The fields of a list of TOdbField, in list order.
QList<TOdbField*> OdbFieldsOf(const TUnorderedList& fields);
