#include "app/query/QueryAnswerFile.h"

#include "app/query/QueryErrors.h"
#include "platform/sys/Cp1252.h"

#include <QFile>

namespace {
void Open(QFile& file, QIODevice::OpenMode mode) {
  if (file.fileName().isEmpty() || !file.open(mode))
    throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(file.fileName(), file.errorString()));
}
} // namespace

namespace QueryAnswerFile {
void Create(const QString& path) {
  QFile file(path);
  Open(file, QIODevice::WriteOnly | QIODevice::Truncate);
}

void Write(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += Cp1252::Encode(line) + "\r\n";
  QFile file(path);
  // Read-write, since write-only would cut the file first.
  Open(file, QIODevice::ReadWrite | QIODevice::ExistingOnly);
  if (file.write(bytes) != bytes.size() || !file.flush() || (file.size() != bytes.size() && !file.resize(bytes.size())))
    throw EFCreateError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}
} // namespace QueryAnswerFile
