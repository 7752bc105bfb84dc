#include "platform/localsrv/LineFramer.h"

LineFramer::LineFramer(qsizetype limit) : limit_(limit < 1 ? 1 : limit) {}

QList<LineFramer::Line> LineFramer::Feed(QByteArrayView bytes) {
  QList<Line> lines;
  while (!bytes.isEmpty()) {
    const qsizetype lf = bytes.indexOf('\n');
    const QByteArrayView piece = lf < 0 ? bytes : bytes.first(lf);
    bytes = lf < 0 ? QByteArrayView() : bytes.sliced(lf + 1);
    if (!discarding_) {
      // Keeping up to two bytes past the limit tells an over-long line from one of exactly
      // the limit followed by the CR of its CR LF, whichever piece the CR comes in.
      buffer_.append(piece.first(qMin(piece.size(), limit_ + 2 - buffer_.size())));
      if (buffer_.size() - (buffer_.endsWith('\r') ? 1 : 0) > limit_) {
        lines.append({buffer_.first(limit_), true});
        buffer_.clear();
        discarding_ = true;
      }
    }
    if (lf < 0) break;
    if (discarding_) {
      discarding_ = false;
      continue;
    }
    if (buffer_.endsWith('\r')) buffer_.chop(1);
    lines.append({buffer_, false});
    buffer_.clear();
  }
  return lines;
}
