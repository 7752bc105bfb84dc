#include "app/query/QueryAnswerFile.h"

#include "app/query/QueryErrors.h"
#include "platform/sys/Cp1252.h"

#include <QFile>

namespace QueryAnswerFile {
void Write(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += Cp1252::Encode(line) + "\r\n";
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
  if (file.write(bytes) != bytes.size() || !file.flush())
    throw EFCreateError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}
} // namespace QueryAnswerFile
