#include "platform/profile/SafeFileWrite.h"

#include "platform/profile/EProfileError.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
[[noreturn]] void fail(const QString& path, int error) {
  throw EProfileError(QStringLiteral("Cannot write file %1: %2")
                          .arg(path, QString::fromLocal8Bit(std::strerror(error))),
                      error);
}

// The file that is really written: the final target of a symbolic link, else path itself.
QString targetOf(const QString& path) {
  const QFileInfo info(path);
  if (!info.isSymLink()) return info.absoluteFilePath();
  const QString target = info.canonicalFilePath();
  return target.isEmpty() ? info.symLinkTarget() : target;
}

// A new, empty, uniquely named file beside target; the umask applies as for any new file.
int createTemporary(const QString& target, QByteArray& tempName) {
  static std::atomic<unsigned> counter{0};
  const QFileInfo info(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = QFile::encodeName(QStringLiteral("%1/.%2.%3-%4.tmp")
                                     .arg(info.absolutePath(), info.fileName())
                                     .arg(::getpid())
                                     .arg(counter.fetch_add(1)));
    const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool writeAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    left -= n;
  }
  return true;
}

// Gives the new file the permission bits of the file it replaces.
bool keepMode(int fd, const QByteArray& target) {
  struct stat old{};
  if (::stat(target.constData(), &old) != 0) return errno == ENOENT;
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}
} // namespace

void SafeFileWrite::Replace(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) fail(path, ENOENT);
  const QString target = targetOf(path);
  const QByteArray targetName = QFile::encodeName(target);
  QByteArray tempName;
  const int fd = createTemporary(target, tempName);
  if (fd < 0) fail(path, errno);
  const bool written = writeAll(fd, bytes) && keepMode(fd, targetName) && ::fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  const int closeError = errno;
  if (!written || !closed || ::rename(tempName.constData(), targetName.constData()) != 0) {
    const int error = !written ? writeError : !closed ? closeError : errno;
    ::unlink(tempName.constData());
    fail(path, error);
  }
}
