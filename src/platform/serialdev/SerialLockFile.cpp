#include "platform/serialdev/SerialLockFile.h"

#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString& SetFolderValue() {
  static QString folder;
  return folder;
}

// The process id a lock file names: 0 when there is none or it is not a number.
pid_t ReadOwner(const QByteArray& path) {
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  char text[32] = {};
  const ssize_t got = ::read(fd, text, sizeof text - 1);
  ::close(fd);
  if (got <= 0) return 0;
  char* end = nullptr;
  const long pid = std::strtol(text, &end, 10);
  while (end && (*end == '\n' || *end == ' ')) ++end;
  return (pid > 0 && end && *end == '\0' && pid <= 0x7fffffff) ? static_cast<pid_t>(pid) : 0;
}

bool IsAlive(pid_t pid) { return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM); }

bool NamesOtherLiveProcess(const QByteArray& path) {
  const pid_t owner = ReadOwner(path);
  return owner != getpid() && IsAlive(owner);
}

// A file in the lock folder holding our id, ready to be linked under the lock's name.
QByteArray WriteCandidate() {
  QByteArray name = (SerialLockFile::Folder() + QStringLiteral("/LCK.tmpXXXXXX")).toLocal8Bit();
  const int fd = mkstemp(name.data());
  if (fd < 0) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%10ld\n", static_cast<long>(getpid()));
  const bool written = ::write(fd, text, 11) == 11 && fchmod(fd, 0644) == 0;
  ::close(fd);
  if (written) return name;
  ::unlink(name.constData());
  return {};
}
} // namespace

SerialLockFile::SerialLockFile(const QString& devicePath) : path_(PathFor(devicePath)) {}

SerialLockFile::SerialLockFile(SerialLockFile&& other) noexcept
    : path_(std::move(other.path_)), owned_(other.owned_) {
  other.owned_ = false;
}

SerialLockFile& SerialLockFile::operator=(SerialLockFile&& other) noexcept {
  if (this != &other) {
    Release();
    path_ = std::move(other.path_);
    owned_ = other.owned_;
    other.owned_ = false;
  }
  return *this;
}

SerialLockFile::~SerialLockFile() { Release(); }

void SerialLockFile::SetFolder(const QString& folder) { SetFolderValue() = folder; }

QString SerialLockFile::Folder() {
  if (!SetFolderValue().isEmpty()) return SetFolderValue();
  const QString env = qEnvironmentVariable("TB_LOCK_DIR");
  return env.isEmpty() ? QStringLiteral("/run/lock") : env;
}

QString SerialLockFile::PathFor(const QString& devicePath) {
  return Folder() + QStringLiteral("/LCK..") + QFileInfo(devicePath).fileName();
}

bool SerialLockFile::HeldByOther(const QString& devicePath) {
  return NamesOtherLiveProcess(PathFor(devicePath).toLocal8Bit());
}

int SerialLockFile::Take() {
  const QByteArray lock = path_.toLocal8Bit();
  const QByteArray candidate = WriteCandidate();
  if (candidate.isEmpty()) return NamesOtherLiveProcess(lock) ? 5 : 0;
  // link() refuses an existing name, so of two programs taking the lock at once one wins.
  int result = 5;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (::link(candidate.constData(), lock.constData()) == 0) {
      owned_ = true;
      result = 0;
      break;
    }
    if (errno != EEXIST) {
      result = 0; // a folder without hard links: used unlocked
      break;
    }
    if (NamesOtherLiveProcess(lock)) break;
    ::unlink(lock.constData()); // stale: its owner is gone
  }
  ::unlink(candidate.constData());
  return result;
}

void SerialLockFile::Release() {
  if (!owned_) return;
  owned_ = false;
  const QByteArray lock = path_.toLocal8Bit();
  if (ReadOwner(lock) == getpid()) ::unlink(lock.constData());
}
