#include "platform/engine/TableDef.h"

#include "platform/engine/EDBEngineError.h"

#include <QSet>

int TTableDef::FieldIndex(const QString& fieldName) const {
  for (int i = 0; i < fields.size(); ++i)
    if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

const TIndexDef* TTableDef::FindIndex(const QString& indexName) const {
  for (const TIndexDef& index : indexes)
    if (index.name.compare(indexName, Qt::CaseInsensitive) == 0) return &index;
  return nullptr;
}

const TIndexDef* TTableDef::PrimaryIndex() const {
  for (const TIndexDef& index : indexes)
    if (index.primary) return &index;
  return nullptr;
}

int TTableDef::AutoIncField() const {
  for (int i = 0; i < fields.size(); ++i)
    if (fields[i].type == TFieldType::AutoInc) return i;
  return -1;
}

QList<TFieldDef> WithDeclaredFlags(QList<TFieldDef> stored, const QList<TFieldDef>& declared) {
  for (TFieldDef& field : stored) {
    if (field.type != TFieldType::Alpha) continue;
    for (const TFieldDef& d : declared)
      if (d.keepsEveryByte && d.type == TFieldType::Alpha && d.name.compare(field.name, Qt::CaseInsensitive) == 0)
        field.keepsEveryByte = true;
  }
  return stored;
}

QString TableNameOf(const QString& tableOrFileName) {
  QString name = tableOrFileName.trimmed();
  if (name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive)) name.chop(3);
  return name;
}

namespace {
[[noreturn]] void Refuse(const TTableDef& def, const QString& why) {
  throw EDBEngineError(EngineError::InvalidParameter, QStringLiteral("Table %1: %2").arg(def.name, why));
}

void CheckFields(const TTableDef& def) {
  if (def.fields.isEmpty()) Refuse(def, QStringLiteral("no fields"));
  QSet<QString> seen;
  int autoIncs = 0;
  for (const TFieldDef& f : def.fields) {
    if (f.name.trimmed().isEmpty()) Refuse(def, QStringLiteral("a field without a name"));
    if (seen.contains(f.name.toLower())) Refuse(def, QStringLiteral("field \"%1\" twice").arg(f.name));
    seen.insert(f.name.toLower());
    if (FieldTypeInfo(f.type).sized && f.size < 1)
      Refuse(def, QStringLiteral("field \"%1\" needs a size of 1 or more").arg(f.name));
    if (f.keepsEveryByte && f.type != TFieldType::Alpha)
      Refuse(def, QStringLiteral("field \"%1\" keeps every byte but is no alpha field").arg(f.name));
    if (f.type == TFieldType::AutoInc && ++autoIncs > 1) Refuse(def, QStringLiteral("two autoincrement fields"));
  }
}

void CheckIndexes(const TTableDef& def) {
  QSet<QString> names;
  int primaries = 0;
  for (const TIndexDef& index : def.indexes) {
    if (index.primary && ++primaries > 1) Refuse(def, QStringLiteral("two primary indexes"));
    if (!index.primary && index.name.trimmed().isEmpty()) Refuse(def, QStringLiteral("a secondary index without a name"));
    if (names.contains(index.name.toLower())) Refuse(def, QStringLiteral("index \"%1\" twice").arg(index.name));
    names.insert(index.name.toLower());
    if (index.fields.isEmpty()) Refuse(def, QStringLiteral("index \"%1\" has no fields").arg(index.name));
    for (const QString& field : index.fields)
      if (def.FieldIndex(field) < 0)
        Refuse(def, QStringLiteral("index \"%1\" names the unknown field \"%2\"").arg(index.name, field));
  }
}
} // namespace

TTableDef ValidatedTableDef(TTableDef def) {
  def.name = TableNameOf(def.name);
  if (def.name.isEmpty()) Refuse(def, QStringLiteral("no table name"));
  for (TIndexDef& index : def.indexes) {
    if (!index.primary) continue;
    index.name.clear();
    index.unique = true;
  }
  CheckFields(def);
  CheckIndexes(def);
  return def;
}
