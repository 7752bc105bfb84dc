#include "reports/RptFieldValue.h"

#include "platform/engine/TField.h"

RptValue RptFieldValue(const TField& field) {
  if (field.IsNull()) return {};
  switch (field.DataType()) {
  case TFieldType::Short:
  case TFieldType::Long:
  case TFieldType::AutoInc:
    return RptValue::Integer(field.AsInteger());
  case TFieldType::Money:
    return RptValue::Money(field.AsFloat());
  case TFieldType::Number:
    return RptValue::Float(field.AsFloat());
  case TFieldType::Date:
    return RptValue::Date(field.AsDateTime().ToQDateTime().date());
  case TFieldType::Time:
    return RptValue::Time(field.AsDateTime().ToQDateTime().time());
  case TFieldType::DateTime:
    return RptValue::DateTime(field.AsDateTime().ToQDateTime());
  case TFieldType::Logical:
    return RptValue::Boolean(field.AsBoolean());
  case TFieldType::Alpha:
  case TFieldType::Memo:
  case TFieldType::Blob:
  case TFieldType::Bytes:
    break;
  }
  return RptValue::Text(field.AsString());
}
