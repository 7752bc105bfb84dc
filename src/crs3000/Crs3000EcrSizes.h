#pragma once
// The register's memory allocation as the Memory Allocation program last received it at
// logon: the values of that program table's first 22 fields, by position. Not stored
// with the machine; empty in every new driver.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>

class TEcrSizes {
public:
  static constexpr int FieldCount = 22;
  // The field names in position order ("Rom Version", "PLU", ..., "Spec Itm Stock").
  static const QStringList& FieldNames();

  // The value of the field at the position 0..FieldCount-1 (ERangeError outside), as a
  // text, a 16-bit count or a Boolean as the field is.
  void Set(int position, const QVariant& value);
  void Clear();
  bool IsEmpty() const;

  QString RomVersion() const;
  // A count or flag by field name (0 or false while empty; ERangeError for another name).
  int Count(const QString& fieldName) const;
  bool Flag(const QString& fieldName) const;

private:
  static int Position(const QString& fieldName);
  std::array<QVariant, FieldCount> values_;
};
