#include "platform/serialdev/SystemError.h"

#include <cerrno>

namespace {
// Numbers of the system's own I/O table; a POSIX value equal to one of them must not pass
// through unchanged, or it would show that entry's unrelated text.
bool InSystemTable(int n) {
  return (n >= 2 && n <= 6) || n == 8 || n == 15 || n == 18 || (n >= 100 && n <= 105) ||
         (n >= 150 && n <= 162);
}
} // namespace

int SystemErrorFromErrno(int err) {
  switch (err) {
  case ENOENT:
  case ENODEV:
  case ENXIO:
    return 2;
  case ENOTDIR:
  case ENAMETOOLONG:
    return 3;
  case EMFILE:
  case ENFILE:
    return 4;
  case EACCES:
  case EPERM:
  case EBUSY:
  case EWOULDBLOCK:
    return 5;
  case EBADF:
    return 6;
  case ENOMEM:
    return 8;
  case ENOSPC:
  case EDQUOT:
    return 101;
  case EROFS:
    return 150;
  case EIO:
    return 162;
  default:
    return InSystemTable(err) ? 162 : err;
  }
}
