#pragma once
// Cuts a byte stream into lines ended by LF (a CR before the LF is dropped). A line longer
// than the limit is delivered once, as its first `limit` bytes marked over-long; the rest
// of it, up to its LF, is dropped, and the line after it is read normally again.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class LineFramer {
public:
  struct Line {
    QByteArray text;
    bool overlong = false;
    friend bool operator==(const Line&, const Line&) = default;
  };

  explicit LineFramer(qsizetype limit);

  // The lines that these bytes complete, in order.
  QList<Line> Feed(QByteArrayView bytes);
  // Bytes of an unfinished line are waiting.
  bool HasPartialLine() const { return !buffer_.isEmpty() || discarding_; }
  qsizetype Limit() const { return limit_; }

private:
  qsizetype limit_;
  QByteArray buffer_;
  bool discarding_ = false;
};
