#include "programming/framework/MemAllocLanguage.h"

QString MemAllocLanguage::Text(const QVariant& value) {
  if (!value.isNull() && value.isValid()) {
    if (value.toInt() == 1) return QStringLiteral("Chinese");
    if (value.toInt() == 2) return QStringLiteral("Korean");
  }
  return QStringLiteral("English");
}

int MemAllocLanguage::Value(const QString& typed) {
  const QString text = typed.trimmed().toUpper();
  if (text.contains(QLatin1String("ENGLISH"))) return 0;
  if (text.contains(QLatin1String("CHINESE"))) return 1;
  if (text.contains(QLatin1String("KOREAN"))) return 2;
  return 0;
}
