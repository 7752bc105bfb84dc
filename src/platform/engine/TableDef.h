#pragma once
// The declared structure of one table: its fields in order and its indexes. A table is
// created from it, and the structure read back from the file is one too, so the two can
// be compared field by field and index by index.
#include "platform/engine/FieldTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

struct TFieldDef {
  QString name;
  TFieldType type = TFieldType::Alpha;
  int size = 0; // characters of an alpha field, bytes of a bytes field; 0 otherwise
  // An alpha field that holds a register's raw bytes as text: it keeps every character,
  // zero and bytes above 0x7F included, where other alpha texts end at their first zero.
  bool keepsEveryByte = false;

  friend bool operator==(const TFieldDef&, const TFieldDef&) = default;
};

// The primary index has no name of its own: it is the index named "" (a name given with
// the primary option is not kept). A primary index is always unique.
struct TIndexDef {
  QString name;
  QStringList fields;
  bool primary = false;
  bool unique = false;
  bool caseInsensitive = false;
  bool descending = false;

  bool IsUnique() const { return primary || unique; }
  // The key fields joined with ";", as the index is listed to users.
  QString FieldList() const { return fields.join(QLatin1Char(';')); }
  friend bool operator==(const TIndexDef&, const TIndexDef&) = default;
};

struct TTableDef {
  QString name;
  QList<TFieldDef> fields;
  QList<TIndexDef> indexes;

  // Matched without regard to case; -1 / nullptr when there is none.
  int FieldIndex(const QString& fieldName) const;
  const TIndexDef* FindIndex(const QString& indexName) const;
  const TIndexDef* PrimaryIndex() const;
  // The autoincrement field's position, -1 without one.
  int AutoIncField() const;
  friend bool operator==(const TTableDef&, const TTableDef&) = default;
};

// The stored fields with what the declared ones add to them: a declared alpha field that
// keeps every byte keeps them in a file made before the flag was stored, too.
QList<TFieldDef> WithDeclaredFlags(QList<TFieldDef> stored, const QList<TFieldDef>& declared);

// The engine's name of a table given by its name or its old file name: a trailing ".db"
// (any case) is dropped, so "AllPolls.DB" and "AllPolls" are the same table.
QString TableNameOf(const QString& tableOrFileName);

// Raises EDBEngineError (InvalidParameter) naming the first fault of a definition that
// cannot be created: no fields, an empty or repeated name, an alpha size below 1, a field
// other than alpha that is to keep every byte, two autoincrement fields, two primary indexes, or an index over a field that is not there.
// Normalises what it keeps: a primary index becomes unique and loses its name.
TTableDef ValidatedTableDef(TTableDef def);
