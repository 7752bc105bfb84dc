#include "comm/crs/TProgressLines.h"

void TProgressLines::Add(const QString& line) {
  lines_.append(line);
  Q_EMIT LineAdded(line);
}

void TProgressLines::AppendToLast(const QString& text) {
  if (lines_.isEmpty()) return Add(text);
  lines_.last() += text;
  Q_EMIT LastLineChanged(lines_.last());
}

void TProgressLines::Clear() { lines_.clear(); }
