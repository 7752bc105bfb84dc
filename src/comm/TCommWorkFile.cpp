#include "comm/TCommWorkFile.h"

#include "model/EInOutError.h"

#include <QCoreApplication>
#include <QDir>
#include <QtEndian>

namespace {
QString& TheFolder() {
  static QString folder;
  return folder;
}

QByteArray Le32(qint32 value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian<qint32>(value, bytes.data());
  return bytes;
}
} // namespace

void TCommWorkFile::SetFolder(const QString& folder) { TheFolder() = folder; }

QString TCommWorkFile::Folder() { return TheFolder().isEmpty() ? QDir::currentPath() : TheFolder(); }

QString TCommWorkFile::FileName(int slot) {
  return QCoreApplication::applicationName() + QStringLiteral("WORKFILE") + QString::number(slot) + QStringLiteral(".ECR");
}

void TCommWorkFile::Bind(int slot) {
  Close();
  slot_ = slot;
  file_.setFileName(QDir(Folder()).filePath(FileName(slot)));
}

void TCommWorkFile::Rebind() { Bind(slot_); }

void TCommWorkFile::Create(const QByteArray& block) {
  Rebind();
  if (!file_.open(QIODevice::ReadWrite | QIODevice::Truncate))
    throw EInOutError(QStringLiteral("Cannot create the work file %1: %2").arg(file_.fileName(), file_.errorString()));
  blkCount_ = 0;
  const QByteArray count = Le32(0);
  Write(count.constData(), count.size());
  Append(block);
}

void TCommWorkFile::Append(const QByteArray& block) {
  if (!file_.isOpen()) throw EInOutError(QStringLiteral("The work file is not open"));
  const QByteArray length = Le32(qint32(block.size()));
  Write(length.constData(), length.size());
  Write(block.constData(), block.size());
  ++blkCount_;
}

void TCommWorkFile::WriteBlockCount() {
  if (!file_.isOpen()) throw EInOutError(QStringLiteral("The work file is not open"));
  const QByteArray count = Le32(blkCount_);
  if (!file_.seek(0)) throw EInOutError(QStringLiteral("Cannot write the work file %1").arg(file_.fileName()));
  Write(count.constData(), count.size());
  if (!file_.seek(file_.size()) || !file_.flush())
    throw EInOutError(QStringLiteral("Cannot write the work file %1").arg(file_.fileName()));
}

void TCommWorkFile::Close() {
  if (file_.isOpen()) file_.close();
}

void TCommWorkFile::Write(const char* bytes, qint64 size) {
  if (file_.write(bytes, size) != size)
    throw EInOutError(QStringLiteral("Cannot write the work file %1: %2").arg(file_.fileName(), file_.errorString()));
}
