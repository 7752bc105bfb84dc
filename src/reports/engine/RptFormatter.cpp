#include "reports/engine/RptFormatter.h"

QString RptPlainText(const RptValue& value, const QString&) {
  switch (value.Kind()) {
  case RptValueKind::Money:
    return QString::number(value.ToDouble(), 'f', 2);
  case RptValueKind::DateTime:
    return value.ToDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  default:
    return value.ToText();
  }
}
