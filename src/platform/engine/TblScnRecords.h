#pragma once
// The records of a table declaration as the table-definition library takes them (see
// platform/tblscn/TblScnAbi.h): building them from a table structure, and reading them
// back into one.
#include "platform/engine/TableDef.h"

#include <QList>
#include <QString>
#include <functional>

// One value of a "DEF" call.
struct TDefValue {
  enum class Kind { Int, Bool, Text, Pointer };
  Kind kind = Kind::Int;
  qint64 integer = 0;
  QString text;
  void* pointer = nullptr;

  static TDefValue Int(qint64 value) { return {Kind::Int, value, {}, nullptr}; }
  static TDefValue Bool(bool value) { return {Kind::Bool, value ? 1 : 0, {}, nullptr}; }
  static TDefValue Text(const QString& value) { return {Kind::Text, 0, value, nullptr}; }
  static TDefValue Pointer(void* value) { return {Kind::Pointer, 0, {}, value}; }
};
using TDefValues = QList<TDefValue>;
// A describer declares a table by calling DEF once per record.
using TDefCall = std::function<void(const TDefValues&)>;
using TDescriber = std::function<void(const TDefCall&)>;

namespace TblScnRecords {
inline constexpr char kLanguage[] = "DBWINUS0";
// The table record, one record per field and one per index, in that order.
QList<TDefValues> Declare(const TTableDef& def, const QString& fileName);
// A describer that declares the structure.
TDescriber Describer(const TTableDef& def, const QString& fileName);
} // namespace TblScnRecords

// Collects the records of one declaration.
class TDeclarationReader {
public:
  void Add(const TDefValues& record);
  // The declared table; raises ETblScnDeclaration naming the first fault.
  TTableDef Result() const;

private:
  void Fail(const QString& why);
  void AddTable(const TDefValues& record);
  void AddField(const TDefValues& record);
  void AddIndex(const TDefValues& record);

  QString fileName_;
  bool haveTable_ = false;
  qint64 fieldCount_ = 0;
  qint64 indexCount_ = 0;
  QList<TFieldDef> fields_;
  QList<std::pair<TIndexDef, QList<qint64>>> indexes_;
  QString error_;
};
