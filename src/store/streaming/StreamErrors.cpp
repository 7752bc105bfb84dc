#include "store/streaming/StreamErrors.h"

void ReadErrors::InvalidStreamFormat() { throw EReadError(QStringLiteral("Invalid stream format")); }

void ReadErrors::InvalidPropertyValue() { throw EReadError(QStringLiteral("Invalid property value")); }

void ReadErrors::StreamReadError() { throw EReadError(QStringLiteral("Stream read error")); }
