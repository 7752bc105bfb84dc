#include "platform/engine/TblScnRecords.h"

#include "platform/engine/TblScnErrors.h"
#include "platform/tblscn/TblScnAbi.h"

namespace {
TDefValue I(qint64 v) { return TDefValue::Int(v); }
TDefValue T(const QString& v) { return TDefValue::Text(v); }

TDefValues FieldRecord(const TFieldDef& f) {
  const TFieldTypeInfo& info = FieldTypeInfo(f.type);
  const int flags = f.keepsEveryByte ? TBLSCN_KEEPS_EVERY_BYTE : 0;
  return {I(2), T(f.name), I(info.physicalCode), I(flags), I(info.sized ? f.size : 1), I(0)};
}

TDefValues IndexRecord(const TTableDef& def, const TIndexDef& index, int id) {
  TDefValues r{I(3), T(index.primary ? QString() : index.name), T({}), T({}), T({})};
  for (const QString& field : index.fields) r << I(def.FieldIndex(field) + 1);
  int flags = (index.primary ? TBLSCN_PRIMARY : 0) | (index.IsUnique() ? TBLSCN_UNIQUE : 0) |
              (index.descending ? TBLSCN_DESCENDING : 0) | (index.caseInsensitive ? TBLSCN_CASE_INSENSITIVE : 0);
  r << I(-1) << I(index.primary ? 0 : id) << I(index.fields.size()) << I(0) << I(2048) << I(flags);
  return r;
}
} // namespace

QList<TDefValues> TblScnRecords::Declare(const TTableDef& def, const QString& fileName) {
  QList<TDefValues> records;
  records << TDefValues{I(1), T(fileName), T({}), T(QLatin1String(kLanguage)), I(def.fields.size()),
                        I(def.indexes.size()), I(0), I(0), I(0)};
  for (const TFieldDef& f : def.fields) records << FieldRecord(f);
  int id = 0;
  for (const TIndexDef& index : def.indexes) records << IndexRecord(def, index, ++id);
  return records;
}

TDescriber TblScnRecords::Describer(const TTableDef& def, const QString& fileName) {
  const QList<TDefValues> records = Declare(def, fileName);
  return [records](const TDefCall& call) {
    for (const TDefValues& record : records) call(record);
  };
}

namespace {
bool IsInt(const TDefValues& r, qsizetype i) { return i < r.size() && r[i].kind == TDefValue::Kind::Int; }
bool IsText(const TDefValues& r, qsizetype i) { return i < r.size() && r[i].kind == TDefValue::Kind::Text; }
QString FirstName(const QString& text) { return text.section(QLatin1Char(';'), 0, 0).trimmed(); }
} // namespace

void TDeclarationReader::Fail(const QString& why) {
  if (error_.isEmpty()) error_ = (fileName_.isEmpty() ? QString() : fileName_ + QStringLiteral(": ")) + why;
}

void TDeclarationReader::Add(const TDefValues& record) {
  if (!IsInt(record, 0)) return Fail(QStringLiteral("a record without its kind"));
  switch (record[0].integer) {
  case 1: return AddTable(record);
  case 2: return AddField(record);
  case 3: return AddIndex(record);
  default: return Fail(QStringLiteral("a record of the unknown kind %1").arg(record[0].integer));
  }
}

void TDeclarationReader::AddTable(const TDefValues& r) {
  if (haveTable_) return Fail(QStringLiteral("a second table record"));
  if (!IsText(r, 1) || !IsInt(r, 4) || !IsInt(r, 5)) return Fail(QStringLiteral("a table record of the wrong form"));
  fileName_ = FirstName(r[1].text);
  fieldCount_ = r[4].integer;
  indexCount_ = r[5].integer;
  haveTable_ = true;
}

void TDeclarationReader::AddField(const TDefValues& r) {
  if (!haveTable_ || !indexes_.isEmpty()) return Fail(QStringLiteral("a field record out of order"));
  if (!IsText(r, 1) || !IsInt(r, 2) || !IsInt(r, 4)) return Fail(QStringLiteral("a field record of the wrong form"));
  const std::optional<TFieldType> type = FieldTypeFromPhysical(static_cast<int>(r[2].integer));
  const QString name = FirstName(r[1].text);
  if (!type) return Fail(QStringLiteral("field \"%1\" has the unknown type code 0x%2").arg(name, QString::number(r[2].integer, 16)));
  const bool keepsEveryByte = *type == TFieldType::Alpha && IsInt(r, 3) && (r[3].integer & TBLSCN_KEEPS_EVERY_BYTE) != 0;
  fields_.append({name, *type, FieldTypeInfo(*type).sized ? static_cast<int>(r[4].integer) : 0, keepsEveryByte});
}

void TDeclarationReader::AddIndex(const TDefValues& r) {
  if (!haveTable_) return Fail(QStringLiteral("an index record before the table record"));
  if (!IsText(r, 1)) return Fail(QStringLiteral("an index record of the wrong form"));
  QList<qint64> keys;
  qsizetype i = 5;
  for (; IsInt(r, i) && r[i].integer != -1; ++i) keys << r[i].integer;
  if (!IsInt(r, i + 5)) return Fail(QStringLiteral("index \"%1\" is cut short").arg(FirstName(r[1].text)));
  if (r[i + 2].integer != keys.size())
    return Fail(QStringLiteral("index \"%1\" counts %2 key fields but lists %3")
                    .arg(FirstName(r[1].text), QString::number(r[i + 2].integer), QString::number(keys.size())));
  const qint64 flags = r[i + 5].integer;
  TIndexDef index;
  index.name = FirstName(r[1].text);
  index.primary = (flags & TBLSCN_PRIMARY) != 0;
  index.unique = (flags & TBLSCN_UNIQUE) != 0;
  index.descending = (flags & TBLSCN_DESCENDING) != 0;
  index.caseInsensitive = (flags & TBLSCN_CASE_INSENSITIVE) != 0;
  indexes_.append({index, keys});
}

TTableDef TDeclarationReader::Result() const {
  if (!error_.isEmpty()) throw ETblScnDeclaration(error_);
  const QString prefix = fileName_ + QStringLiteral(": ");
  if (!haveTable_) throw ETblScnDeclaration(QStringLiteral("No table record was declared"));
  if (fields_.size() != fieldCount_)
    throw ETblScnDeclaration(prefix + QStringLiteral("%1 fields declared, %2 described").arg(fieldCount_).arg(fields_.size()));
  if (indexes_.size() != indexCount_)
    throw ETblScnDeclaration(prefix + QStringLiteral("%1 indexes declared, %2 described").arg(indexCount_).arg(indexes_.size()));
  TTableDef def{TableNameOf(fileName_), fields_, {}};
  for (auto [index, keys] : indexes_) {
    for (qint64 key : keys) {
      if (key < 1 || key > fields_.size())
        throw ETblScnDeclaration(prefix + QStringLiteral("index \"%1\" names field number %2").arg(index.name, QString::number(key)));
      index.fields << fields_[key - 1].name;
    }
    def.indexes << index;
  }
  return def;
}
