#pragma once
// The query service's socket and the length of its request lines, shared by the server
// and the command-line client.
#include "platform/localsrv/LocalSocketPath.h"

#include <QString>

namespace QueryService {
// Named after the service, in the user's runtime folder, unless the variable names a path.
inline constexpr const char* kServiceName = "tillbridge";
inline constexpr const char* kSocketVariable = "TILLBRIDGE_QUERY_SOCKET";
// A request line: command, machine id, answer file path (up to the system's 4096 bytes)
// and parameter; anything longer is refused.
inline constexpr qsizetype kRequestLimit = 8192;

inline QString SocketPath() {
  return LocalSocketPath::ForService(QString::fromLatin1(kServiceName), kSocketVariable);
}
} // namespace QueryService
