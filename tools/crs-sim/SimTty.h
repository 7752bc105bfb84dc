#pragma once
// Terminal set-up for the simulator's line: raw 8-bit bytes, no echo, no line editing, no
// signal characters (ETX is ^C, EOT is ^D on a cooked line), no flow control.
#include <QString>

namespace SimTty {
struct Pty {
  int master = -1;
  int slave = -1; // kept open, so the master never sees a hang-up between clients
  QString slavePath;
};

// Raw mode on a terminal; when baud is a standard rate the line speed too. Does nothing to
// a descriptor that is not a terminal.
void MakeRaw(int fd, int baud);
// Opens a device for reading and writing; throws SimLineError.
int OpenDevice(const QString& path, int baud);
// A new pseudo-terminal pair with a raw slave; throws SimLineError.
Pty OpenPty();
} // namespace SimTty
