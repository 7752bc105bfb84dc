#pragma once
// The system numbers its I/O errors as its message table does (2 file not found, 5 access
// denied or port in use, 101 disk full, ...). POSIX error values are translated here, so
// every layer reports the same numbers; a value the table does not know keeps its POSIX
// number, whose text the operating system supplies.

// The system's number for a POSIX errno value.
int SystemErrorFromErrno(int err);
