#include "comm/link/SclFiles.h"

#include "platform/serialdev/SystemError.h"

#include <QDir>
#include <QMutex>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
QMutex& FolderLock() {
  static QMutex lock;
  return lock;
}
QString& Folder() {
  static QString folder;
  return folder;
}
} // namespace

void SetSclFileFolder(const QString& folder) {
  QMutexLocker lock(&FolderLock());
  Folder() = folder;
}

QString SclFilePath(const QString& name) {
  QMutexLocker lock(&FolderLock());
  if (Folder().isEmpty() || QDir::isAbsolutePath(name)) return name;
  return QDir(Folder()).filePath(name);
}

int WriteSclFile(const QString& name, bool append, const QByteArray& bytes) {
  const QByteArray path = SclFilePath(name).toLocal8Bit();
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
  const int fd = ::open(path.constData(), flags, 0644);
  // Creating a file fails with "no such entry" only when a folder on its path is missing.
  if (fd < 0) return errno == ENOENT ? -3 : -SystemErrorFromErrno(errno);
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = n < 0 ? errno : ENOSPC;
      ::close(fd);
      return -SystemErrorFromErrno(error);
    }
    done += n;
  }
  return ::close(fd) == 0 ? 0 : -SystemErrorFromErrno(errno);
}

namespace {
QByteArray ByteText(unsigned char byte, bool hex) {
  if (byte >= (hex ? 0x21 : 0x20) && byte <= 0x7E) return QByteArray(1, static_cast<char>(byte));
  if (hex) return '[' + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0') + ']';
  return '[' + QByteArray::number(byte) + ']';
}

// The 256 texts of each kind, made once: the log files show every byte of a session.
struct ByteTexts {
  QByteArray texts[2][256];
  ByteTexts() {
    for (int hex = 0; hex < 2; ++hex)
      for (int byte = 0; byte < 256; ++byte) texts[hex][byte] = ByteText(static_cast<unsigned char>(byte), hex != 0);
  }
};
} // namespace

const QByteArray& SclByteText(unsigned char byte, bool hex) {
  static const ByteTexts table;
  return table.texts[hex ? 1 : 0][byte];
}
