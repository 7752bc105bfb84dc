#include "platform/engine/FieldTypes.h"

#include <QRegularExpression>

namespace {
constexpr TFieldTypeInfo kTypes[] = {
    {TFieldType::Alpha, "Alpha", 0x101, "ALPHA_TEXT", true, TFieldStorage::Text},
    {TFieldType::Number, "Number", 0x102, "NUMBER_REAL", false, TFieldStorage::Real},
    {TFieldType::Money, "Money", 0x103, "MONEY_REAL", false, TFieldStorage::Real},
    {TFieldType::Date, "Date", 0x104, "DATE_REAL", false, TFieldStorage::Real},
    {TFieldType::Short, "Short", 0x105, "SHORT_INT", false, TFieldStorage::Integer},
    {TFieldType::Memo, "Memo", 0x106, "MEMO_TEXT", false, TFieldStorage::Text},
    {TFieldType::Blob, "Binary", 0x107, "BLOB", false, TFieldStorage::Bytes},
    {TFieldType::Long, "Long Integer", 0x10B, "LONG_INT", false, TFieldStorage::Integer},
    {TFieldType::Time, "Time", 0x10C, "TIME_REAL", false, TFieldStorage::Real},
    {TFieldType::DateTime, "Timestamp", 0x10D, "DATETIME_REAL", false, TFieldStorage::Real},
    {TFieldType::Logical, "Logical", 0x10E, "LOGICAL_INT", false, TFieldStorage::Integer},
    {TFieldType::AutoInc, "Autoincrement", 0x10F, "INTEGER", false, TFieldStorage::Integer},
    {TFieldType::Bytes, "Bytes", 0x110, "BYTES_BLOB", true, TFieldStorage::Bytes},
};

// The declared type of an alpha column that keeps every byte. It holds "TEXT", so the
// file gives the column the same affinity as any other alpha column.
constexpr char kRawAlphaSqlType[] = "ALPHA_RAW_TEXT";
} // namespace

const TFieldTypeInfo& FieldTypeInfo(TFieldType type) {
  for (const TFieldTypeInfo& info : kTypes)
    if (info.type == type) return info;
  return kTypes[0]; // not reached: every enumerator is in the table
}

std::optional<TFieldType> FieldTypeFromPhysical(int code) {
  // Formatted memo, OLE and graphic fields hold bytes like a binary blob.
  if (code >= 0x108 && code <= 0x10A) return TFieldType::Blob;
  for (const TFieldTypeInfo& info : kTypes)
    if (info.physicalCode == code) return info.type;
  return std::nullopt;
}

QString SqlTypeOf(TFieldType type, int size, bool keepsEveryByte) {
  const TFieldTypeInfo& info = FieldTypeInfo(type);
  const bool raw = keepsEveryByte && type == TFieldType::Alpha;
  QString text = QString::fromLatin1(raw ? kRawAlphaSqlType : info.sqlType);
  if (info.sized) text += QStringLiteral("(%1)").arg(size);
  return text;
}

std::optional<TParsedSqlType> ParseSqlType(const QString& declared, bool primaryKey) {
  static const QRegularExpression pattern(QStringLiteral("^\\s*([A-Z_]+)\\s*(?:\\(\\s*(\\d+)\\s*\\))?\\s*$"),
                                          QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = pattern.match(declared);
  if (!m.hasMatch()) return std::nullopt;
  const QString name = m.captured(1).toUpper();
  const bool hasSize = m.capturedLength(2) > 0;
  if (name == QLatin1String(kRawAlphaSqlType))
    return hasSize ? std::optional<TParsedSqlType>(TParsedSqlType{TFieldType::Alpha, m.captured(2).toInt(), true}) : std::nullopt;
  for (const TFieldTypeInfo& info : kTypes) {
    if (name != QLatin1String(info.sqlType) || hasSize != info.sized) continue;
    // INTEGER is the autoincrement column only as the table's primary key.
    if (info.type == TFieldType::AutoInc && !primaryKey) return std::nullopt;
    return TParsedSqlType{info.type, hasSize ? m.captured(2).toInt() : 0};
  }
  return std::nullopt;
}
