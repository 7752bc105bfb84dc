#include "platform/engine/StructureCheck.h"

#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"

namespace {
QString Describe(const TFieldDef& f) {
  const TFieldTypeInfo& info = FieldTypeInfo(f.type);
  QString text = QStringLiteral("\"%1\" %2").arg(f.name, QLatin1String(info.name));
  if (info.sized) text += QStringLiteral(" %1").arg(f.size);
  return text;
}

QString Describe(const TIndexDef& index) {
  QString text = QLatin1Char('"') + index.FieldList() + QLatin1Char('"');
  if (index.primary) text += QStringLiteral(" primary");
  else if (index.unique) text += QStringLiteral(" unique");
  if (index.caseInsensitive) text += QStringLiteral(" case-insensitive");
  if (index.descending) text += QStringLiteral(" descending");
  return text;
}

QString IndexName(const TIndexDef& index) {
  return index.primary ? QStringLiteral("the primary index") : QStringLiteral("index \"%1\"").arg(index.name);
}

// Whether an alpha field keeps every byte is no difference: a file made before the flag
// was stored still opens, and the declaration adds the flag (see WithDeclaredFlags).
bool SameField(const TFieldDef& a, const TFieldDef& b) {
  return a.name.compare(b.name, Qt::CaseInsensitive) == 0 && a.type == b.type &&
         (!FieldTypeInfo(a.type).sized || a.size == b.size);
}

bool SameIndex(const TIndexDef& a, const TIndexDef& b) {
  if (a.fields.size() != b.fields.size()) return false;
  for (qsizetype i = 0; i < a.fields.size(); ++i)
    if (a.fields[i].compare(b.fields[i], Qt::CaseInsensitive) != 0) return false;
  return a.primary == b.primary && a.IsUnique() == b.IsUnique() && a.caseInsensitive == b.caseInsensitive &&
         a.descending == b.descending;
}

void FieldDifferences(const TTableDef& declared, const TTableDef& stored, QStringList& out) {
  const qsizetype common = std::min(declared.fields.size(), stored.fields.size());
  for (qsizetype i = 0; i < common; ++i)
    if (!SameField(declared.fields[i], stored.fields[i]))
      out << QStringLiteral("field %1 is %2, declared %3").arg(i + 1).arg(Describe(stored.fields[i]), Describe(declared.fields[i]));
  for (qsizetype i = common; i < declared.fields.size(); ++i)
    out << QStringLiteral("field %1 %2 is missing").arg(i + 1).arg(Describe(declared.fields[i]));
  for (qsizetype i = common; i < stored.fields.size(); ++i)
    out << QStringLiteral("field %1 %2 is not declared").arg(i + 1).arg(Describe(stored.fields[i]));
}

void IndexDifferences(const TTableDef& declared, const TTableDef& stored, QStringList& out) {
  for (const TIndexDef& index : declared.indexes) {
    const TIndexDef* found = index.primary ? stored.PrimaryIndex() : stored.FindIndex(index.name);
    if (!found) out << IndexName(index) + QStringLiteral(" is missing");
    else if (!SameIndex(index, *found))
      out << QStringLiteral("%1 is %2, declared %3").arg(IndexName(index), Describe(*found), Describe(index));
  }
  for (const TIndexDef& index : stored.indexes) {
    const TIndexDef* found = index.primary ? declared.PrimaryIndex() : declared.FindIndex(index.name);
    if (!found) out << IndexName(index) + QStringLiteral(" is not declared");
  }
}

// Declared fields beyond the stored ones, when everything before them agrees.
QList<TFieldDef> MissingTail(const TTableDef& declared, const TTableDef& stored) {
  if (declared.fields.size() <= stored.fields.size()) return {};
  for (qsizetype i = 0; i < stored.fields.size(); ++i)
    if (!SameField(declared.fields[i], stored.fields[i])) return {};
  QList<TFieldDef> tail = declared.fields.mid(stored.fields.size());
  for (const TFieldDef& f : tail)
    if (f.type == TFieldType::AutoInc) return {}; // the record id cannot be added later
  return tail;
}
} // namespace

QStringList StructureCheck::Differences(const TTableDef& declared, const TTableDef& stored) {
  QStringList out;
  FieldDifferences(declared, stored, out);
  IndexDifferences(declared, stored, out);
  return out;
}

QString StructureCheck::CheckOrCreate(TDatabase& db, const TTableDef& declaredDef) {
  const TTableDef declared = ValidatedTableDef(declaredDef);
  std::optional<TTableDef> stored = db.ReadTableDef(declared.name);
  if (!stored) {
    db.CreateTable(declared);
    return QString();
  }
  for (const TFieldDef& f : MissingTail(declared, *stored)) {
    db.Exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                .arg(SqlText::Quote(stored->name), SqlText::Quote(f.name), SqlTypeOf(f.type, f.size, f.keepsEveryByte)),
            {}, QStringLiteral("Table: ") + stored->name);
    stored->fields.append(f);
  }
  const QStringList differences = Differences(declared, *stored);
  if (differences.isEmpty()) return QString();
  return QStringLiteral("Table %1 does not match its definition: %2").arg(stored->name, differences.join(QLatin1String("; ")));
}
