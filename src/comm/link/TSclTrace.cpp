#include "comm/link/TSclTrace.h"

#include "comm/link/SclErrorCodes.h"
#include "comm/link/SclFiles.h"

int TSclTrace::Start(int entries) {
  if (Exists()) {
    Clear();
  } else {
    if (entries > kMaxEntries) return SclErr::BadArgument;
    capacity_ = std::max(entries, 1);
    ring_.assign(static_cast<size_t>(capacity_) * 2, 0);
    Clear();
  }
  on_ = true;
  return 0;
}

void TSclTrace::Free() {
  ring_.clear();
  ring_.shrink_to_fit();
  capacity_ = 0;
  write_ = 0;
  wrapped_ = false;
}

void TSclTrace::Stop() {
  on_ = false;
  Free();
}

void TSclTrace::Clear() {
  write_ = 0;
  wrapped_ = false;
}

void TSclTrace::Resume() { on_ = Exists(); }
void TSclTrace::Pause() { on_ = false; }

void TSclTrace::Add(char kind, uint8_t byte) {
  if (!Exists()) return;
  ring_[static_cast<size_t>(write_) * 2] = static_cast<uint8_t>(kind);
  ring_[static_cast<size_t>(write_) * 2 + 1] = byte;
  if (++write_ == capacity_) {
    write_ = 0;
    wrapped_ = true;
  }
}

// A header line whenever the kind changes (an empty line before every one but the first);
// bytes wrap onto a new line once the column would pass 78. No line end after the last.
int TSclTrace::Dump(const QString& fileName, bool append, bool hex) {
  on_ = false;
  if (write_ == 0 && !wrapped_) {
    Free();
    return 0;
  }
  QByteArray text;
  const int count = wrapped_ ? capacity_ : write_;
  const int first = wrapped_ ? write_ : 0;
  int previous = -1;
  int column = 0;
  for (int i = 0; i < count; ++i) {
    const size_t at = static_cast<size_t>((first + i) % capacity_) * 2;
    const int kind = ring_[at];
    if (kind != previous) {
      if (previous != -1) text += "\r\n\r\n";
      if (kind == 'R') text += "Receive: ";
      else if (kind == 'T') text += "Transmit: ";
      else text += "Special-" + QByteArray::number(kind, 16).toUpper().rightJustified(2, '0') + ": ";
      text += "\r\n";
      column = 0;
      previous = kind;
    }
    const QByteArray& shown = SclByteText(ring_[at + 1], hex);
    column += static_cast<int>(shown.size());
    if (column > 78) {
      text += "\r\n";
      column = static_cast<int>(shown.size());
    }
    text += shown;
  }
  const int result = WriteSclFile(fileName, append, text);
  Free();
  return result;
}
