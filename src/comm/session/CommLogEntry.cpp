#include "comm/session/CommLogEntry.h"

#include "comm/session/CommLogErrors.h"
#include "platform/sys/Cp1252.h"

#include <QRegularExpression>
#include <QSaveFile>

QString CommLogEntry::Text(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

QStringList CommLogEntry::Lines(const QString& text) {
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
  QStringList lines = text.split(lineEnd);
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void CommLogEntry::Export(const QString& text, const QString& path) {
  QByteArray bytes;
  for (const QString& line : Lines(text)) bytes += Cp1252::Encode(line) + "\r\n";
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw ECommLogExport();
}
