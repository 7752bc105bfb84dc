#include "comm/crs/TCommWorkFile.h"

#include "model/EInOutError.h"
#include "model/EcrErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

namespace {
QString& TheFolder() {
  static QString folder;
  return folder;
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
  try {
    writer_.emplace(TBlockFileWriter::Rewrite(file_));
  } catch (const EInOutError&) {
    throw EInOutError(QStringLiteral("Cannot create the work file %1: %2").arg(file_.fileName(), file_.errorString()));
  }
  blkCount_ = 0;
  Append(block);
}

void TCommWorkFile::Append(const QByteArray& block) {
  if (!writer_ || !file_.isOpen()) throw EInOutError(QStringLiteral("The work file is not open"));
  if (block.size() > kEcrBlockSize) throw ERangeError();
  TEcrBlock buffer{};
  std::copy(block.begin(), block.end(), reinterpret_cast<char*>(buffer.data()));
  writer_->Write(buffer, qint32(block.size()));
  ++blkCount_;
}

void TCommWorkFile::WriteBlockCount() {
  if (!writer_ || !file_.isOpen()) throw EInOutError(QStringLiteral("The work file is not open"));
  writer_->Finish(blkCount_);
}

void TCommWorkFile::Close() {
  writer_.reset();
  if (file_.isOpen()) file_.close();
}
