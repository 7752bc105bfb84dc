#include "platform/tablemodel/FieldRoles.h"

#include "platform/engine/TField.h"
#include "platform/sys/TDateTime.h"

namespace {
QVariant DayValue(TFieldType type, double days) {
  const TDateTime when(days);
  if (type == TFieldType::Date) return when.Date();
  if (type == TFieldType::Time) return when.Time();
  return when.ToQDateTime();
}

bool IsDay(TFieldType type) {
  return type == TFieldType::Date || type == TFieldType::Time || type == TFieldType::DateTime;
}

TDateTime DayOf(TFieldType type, const QVariant& value) {
  if (type == TFieldType::Date) return TDateTime::FromDate(value.toDate());
  if (type == TFieldType::Time) return TDateTime::FromTime(value.toTime());
  return TDateTime::FromQDateTime(value.toDateTime());
}
} // namespace

namespace FieldRoles {
QVariant Display(TFieldType type, const QVariant& stored) {
  if (!stored.isValid()) return {};
  switch (type) {
  case TFieldType::Money:
    return QString::number(stored.toDouble(), 'f', 2);
  case TFieldType::Blob:
    return QStringLiteral("(Blob)");
  case TFieldType::Bytes:
    return QStringLiteral("(Bytes)");
  default:
    return Edit(type, stored);
  }
}

QVariant Edit(TFieldType type, const QVariant& stored) {
  if (!stored.isValid()) return {};
  if (IsDay(type)) return DayValue(type, stored.toDouble());
  return stored;
}

QVariant Check(TFieldType type, const QVariant& stored) {
  if (type != TFieldType::Logical) return {};
  return stored.toBool() ? Qt::Checked : Qt::Unchecked;
}

bool Editable(TFieldType type) { return type != TFieldType::AutoInc && type != TFieldType::Blob; }

bool Numeric(TFieldType type) {
  switch (type) {
  case TFieldType::Short:
  case TFieldType::Long:
  case TFieldType::Money:
  case TFieldType::Number:
  case TFieldType::AutoInc:
    return true;
  default:
    return false;
  }
}

void Store(TField& field, const QVariant& value, int role) {
  const TFieldType type = field.DataType();
  if (role == Qt::CheckStateRole) {
    field.SetAsBoolean(value.toInt() == Qt::Checked);
  } else if (!value.isValid() || (value.typeId() == QMetaType::QString && value.toString().isEmpty() &&
                                  type != TFieldType::Alpha && type != TFieldType::Memo)) {
    field.Clear();
  } else if (IsDay(type)) {
    field.SetAsDateTime(DayOf(type, value));
  } else {
    field.SetValue(value);
  }
}
} // namespace FieldRoles
