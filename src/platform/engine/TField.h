#pragma once
// One field of an open cursor: its definition and the value in the cursor's current
// record. Reading works in every state; setting needs edit or insert mode (NotEditing
// otherwise). Conversions follow FieldValue (storing) and FieldText (text).
#include "platform/engine/TableDef.h"
#include "platform/sys/TDateTime.h"

#include <QByteArray>
#include <QVariant>

class QIODevice;
class TTable;

class TField {
public:
  TField(TTable& table, int index);
  TField(const TField&) = delete;
  TField& operator=(const TField&) = delete;

  const TFieldDef& Def() const;
  const QString& FieldName() const { return Def().name; }
  TFieldType DataType() const { return Def().type; }
  int Size() const { return Def().size; }
  int Index() const { return index_; }

  bool IsNull() const;
  // The stored value: QString, qlonglong, double (money in currency units, dates as day
  // numbers) or QByteArray; a logical field answers a bool. Invalid when null.
  QVariant Value() const;
  QString AsString() const;
  qint64 AsInteger() const;
  double AsFloat() const;
  bool AsBoolean() const;
  TDateTime AsDateTime() const;
  // Money as a whole number of hundredths (12.34 -> 1234), rounded to the nearest.
  qint64 AsMoney() const;
  // Blob and bytes fields as they are; memo and alpha fields in Windows-1252.
  QByteArray AsBytes() const;

  void SetValue(const QVariant& value);
  void SetAsString(const QString& text);
  void SetAsInteger(qint64 value);
  void SetAsFloat(double value);
  void SetAsBoolean(bool value);
  void SetAsDateTime(TDateTime value);
  void SetAsMoney(qint64 hundredths);
  void SetAsBytes(const QByteArray& bytes);
  void Clear();

  // The whole value from a stream's current position to its end, and back.
  void LoadFromStream(QIODevice& stream);
  void SaveToStream(QIODevice& stream) const;

private:
  const QVariant& Stored() const;
  void Store(const QVariant& value);

  TTable& table_;
  int index_;
};
