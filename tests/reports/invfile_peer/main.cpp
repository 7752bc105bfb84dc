// invfile-peer <file>: walks an inventory poll-update file and prints one line per record;
// exits with 1 and the reason on a malformed or unreadable file, with 2 on a wrong call.
#include "InvFilePeer.h"

#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: invfile-peer <file>\n");
    return 2;
  }
  QString text;
  const std::optional<QString> error = InvFilePeerCheck(QString::fromLocal8Bit(argv[1]), &text);
  if (error) {
    std::fprintf(stderr, "invfile-peer: %s\n", qPrintable(*error));
    return 1;
  }
  std::fputs(qPrintable(text), stdout);
  return 0;
}
