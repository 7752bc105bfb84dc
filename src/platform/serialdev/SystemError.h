#pragma once
// The system numbers its I/O errors as its message table does (2 file not found, 5 access
// denied or port in use, 101 disk full, ...). POSIX error values are translated here, so
// every layer reports the same numbers; a value the table does not know keeps its POSIX
// number, whose text the operating system supplies.

// The numbers the serial layers test by name.
enum SystemErrorNumber : int {
  sysFileNotFound = 2,
  sysPathNotFound = 3,
  sysAccessDenied = 5, // also: the port is in use
};

// The system's number for a POSIX errno value.
int SystemErrorFromErrno(int err);
