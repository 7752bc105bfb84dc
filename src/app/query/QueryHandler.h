#pragma once
// Handles one request line: the answer file is made empty before anything else, then the
// command's answer written into it. The reply is "OK" once the answer is written, else
// "ERR " and the reason, which is also logged; nothing is ever shown on the user's screen.
#include <QByteArray>

namespace QueryHandler {
// The line as the client sent it (UTF-8); an over-long line holds its first part only.
QByteArray Handle(const QByteArray& line, bool overlong = false);
} // namespace QueryHandler
