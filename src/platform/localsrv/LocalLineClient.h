#pragma once
// The client end: connects to a LocalLineServer, sends one request line and waits for the
// reply line, passing over the server's notice lines. Blocking, for command-line programs and tests that run no event loop of
// their own.
#include <QByteArray>
#include <QString>

namespace LocalLineClient {
// The reply (without its LF) to the line, which must hold no LF. ELocalClient when the
// server cannot be reached, closes without answering, sends a reply longer than
// replyLimit, or the whole exchange takes longer than timeoutMs.
QByteArray Ask(const QString& path, const QByteArray& line, int timeoutMs, qsizetype replyLimit = 65536);
} // namespace LocalLineClient
