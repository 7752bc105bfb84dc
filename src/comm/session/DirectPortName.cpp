#include "comm/session/DirectPortName.h"

#include "model/EConvertError.h"

std::optional<int> DirectComNumber(const QString& portName) {
  static const QString kDirect = QStringLiteral("Direct to COM");
  const qsizetype at = portName.indexOf(kDirect);
  if (at < 0) return std::nullopt;
  const QString text = portName.mid(at + kDirect.size());
  bool ok = false;
  const int number = text.trimmed().toInt(&ok);
  if (!ok || number < 0 || number > 65535)
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
  return number;
}
