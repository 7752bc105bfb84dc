#include "platform/engine/FieldText.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/sys/TDateTime.h"

#include <QLocale>

namespace {
const QString kDateFormat = QStringLiteral("M/d/yyyy");
const QString kTimeFormat = QStringLiteral("h:mm:ss AP");

[[noreturn]] void Invalid(const TFieldDef& field, const QString& text) {
  throw EDBEngineError(EngineError::InvalidValue,
                       QStringLiteral("'%1' is not a valid value for field '%2'").arg(text, field.name));
}

QDate ParseDate(const QString& text) {
  for (const QString& format : {kDateFormat, QStringLiteral("yyyy-MM-dd")}) {
    const QDate date = QDate::fromString(text, format);
    if (date.isValid()) return date;
  }
  return {};
}

QTime ParseTime(const QString& text) {
  for (const QString& format : {kTimeFormat, QStringLiteral("h:mm AP"), QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")}) {
    const QTime time = QTime::fromString(text.toUpper(), format);
    if (time.isValid()) return time;
  }
  return {};
}

std::optional<double> ParseDateTime(TFieldType type, const QString& text) {
  if (type == TFieldType::Time) {
    const QTime time = ParseTime(text);
    return time.isValid() ? std::optional<double>(TDateTime::FromTime(time).Days()) : std::nullopt;
  }
  const qsizetype blank = text.indexOf(QLatin1Char(' '));
  const QDate date = ParseDate(blank < 0 ? text : text.left(blank));
  if (!date.isValid()) return std::nullopt;
  double days = TDateTime::FromDate(date).Days();
  if (type == TFieldType::DateTime && blank >= 0) {
    const QTime time = ParseTime(text.mid(blank + 1).trimmed());
    if (!time.isValid()) return std::nullopt;
    days = TDateTime::FromQDateTime(QDateTime(date, time)).Days();
  }
  return days;
}

std::optional<bool> ParseLogical(const QString& text) {
  const QString t = text.toLower();
  for (const char* yes : {"true", "t", "yes", "y", "1"})
    if (t == QLatin1String(yes)) return true;
  for (const char* no : {"false", "f", "no", "n", "0"})
    if (t == QLatin1String(no)) return false;
  return std::nullopt;
}

QString FormatDays(TFieldType type, double days) {
  if (type == TFieldType::Date) return FieldText::DateText(days);
  if (type == TFieldType::Time) return TDateTime(days).Time().toString(kTimeFormat);
  return FieldText::DateTimeText(days);
}
} // namespace

QString FieldText::DateText(double days) { return TDateTime(days).Date().toString(kDateFormat); }

QString FieldText::DateTimeText(double days) {
  return DateText(days) + QLatin1Char(' ') + TDateTime(days).Time().toString(kTimeFormat);
}

QString FieldText::Number(double value) {
  return QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
}

QString FieldText::Format(const TFieldDef& field, const QVariant& stored) {
  if (!stored.isValid() || stored.isNull()) return QString();
  switch (field.type) {
  case TFieldType::Money:
  case TFieldType::Number: return Number(stored.toDouble());
  case TFieldType::Date:
  case TFieldType::Time:
  case TFieldType::DateTime: return FormatDays(field.type, stored.toDouble());
  case TFieldType::Logical: return stored.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
  case TFieldType::Blob:
  case TFieldType::Bytes: return QString::fromLatin1(stored.toByteArray());
  default: return stored.toString();
  }
}

QVariant FieldText::Parse(const TFieldDef& field, const QString& input) {
  const TFieldStorage storage = FieldTypeInfo(field.type).storage;
  if (storage == TFieldStorage::Text) return input;
  if (storage == TFieldStorage::Bytes) return input.toLatin1();
  const QString text = input.trimmed();
  if (text.isEmpty()) return QVariant();
  bool ok = false;
  if (field.type == TFieldType::Logical) {
    const std::optional<bool> value = ParseLogical(text);
    if (!value) Invalid(field, input);
    return qlonglong(*value ? 1 : 0);
  }
  if (storage == TFieldStorage::Integer) {
    const qlonglong value = text.toLongLong(&ok);
    if (!ok) Invalid(field, input);
    return value;
  }
  if (field.type == TFieldType::Date || field.type == TFieldType::Time || field.type == TFieldType::DateTime) {
    const std::optional<double> days = ParseDateTime(field.type, text);
    if (!days) Invalid(field, input);
    return *days;
  }
  const double value = QLocale::c().toDouble(text, &ok);
  if (!ok) Invalid(field, input);
  return value;
}
