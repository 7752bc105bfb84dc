#pragma once
// Where a local service's socket lives: in the user's runtime folder ($XDG_RUNTIME_DIR,
// which only the user can enter), named after the service.
#include <QString>

namespace LocalSocketPath {
// The path given by the environment variable when it is set and not empty, else the
// service's name in the runtime folder.
QString ForService(const QString& service, const char* overrideVariable = nullptr);
} // namespace LocalSocketPath
