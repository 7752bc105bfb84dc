#include "store/streaming/CopyFileInto.h"

#include "platform/sys/ScopeGuard.h"
#include "store/streaming/FileErrors.h"
#include "store/streaming/StreamErrors.h"

#include <QFile>
#include <QFileInfo>

namespace {
constexpr qint64 kBlockSize = 8192;

QString fullDestination(const QString& source, const QString& destination) {
  const QFileInfo info(destination);
  QString path = info.absoluteFilePath();
  if (info.isDir()) path += QLatin1Char('/') + QFileInfo(source).fileName();
  return path;
}

bool sameFile(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath();
  return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

void copyBlocks(QFile& from, QFile& to) {
  char block[kBlockSize];
  for (;;) {
    const qint64 got = from.read(block, kBlockSize);
    if (got < 0) ReadErrors::StreamReadError();
    if (got > 0 && to.write(block, got) != got) throw EWriteError();
    if (got < kBlockSize) break;
  }
  if (!to.flush()) throw EWriteError();
}
} // namespace

void CopyFileInto(const QString& source, const QString& destination) {
  const QString target = fullDestination(source, destination);
  QFile from(source);
  if (QFileInfo(source).isDir() || !from.open(QIODevice::ReadOnly))
    throw EFOpenError(QStringLiteral("Cannot open file %1").arg(source));
  // Creating the destination over the source itself would empty it before the copy.
  QFile to(target);
  if (sameFile(source, target) || !to.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw EFCreateError(QStringLiteral("Cannot create file %1").arg(target));
  {
    const auto restore = OnScopeFailure([&] { to.remove(); });
    copyBlocks(from, to);
  }
}

