#include "comm/link/TSclDispatchLog.h"

#include "comm/link/SclFiles.h"
#include "comm/link/SclStrings.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Cp1252.h"

#include <cstdio>
#include <cstring>
#include <sys/utsname.h>

namespace {
// Where the message table keeps the log's texts: kind n at kKindTexts + n, sub-kind n at
// kSubKindTexts + n, the two header lines from kHeaderText.
constexpr int kKindTexts = 15001;
constexpr int kSubKindTexts = 15100;
constexpr int kHeaderText = 15501;

struct Header {
  uint8_t kind;
  uint8_t subKind;
  uint8_t unused[2];
  uint32_t time;
  uint32_t data;
  uint32_t length;
};
static_assert(sizeof(Header) == TSclDispatchLog::kHeaderSize);

const char* const kStatusKinds[] = {"(Not active)",          "(Modem status)",        "(Line status)",
                                    "(Output buffer free)",  "(Output buffer used)", "(Output sent)"};

// "%.7d" of the milliseconds with a point after the fourth character: 1234 -> "0001.234".
QByteArray TimeText(uint32_t ms) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%.7d", static_cast<int>(ms));
  QByteArray text(digits);
  text.insert(4, '.');
  return text;
}

// The kinds' and sub-kinds' names, looked up once: a dump names one of them per entry.
const QByteArray& EntryName(int base, uint8_t number) {
  struct Names {
    QByteArray kinds[256];
    QByteArray subKinds[256];
    Names() {
      for (int n = 0; n < 256; ++n) {
        kinds[n] = LookupString(kKindTexts + n).toLatin1();
        if (n > 0) subKinds[n] = LookupString(kSubKindTexts + n).toLatin1();
      }
    }
  };
  static const Names names;
  return base == kKindTexts ? names.kinds[number] : names.subKinds[number];
}
} // namespace

void TSclDispatchLog::Start(int size) {
  if (!Exists()) {
    size_ = std::max(size, 1);
    ring_.assign(static_cast<size_t>(size_), 0);
  }
  Clear();
  on_ = true;
}

void TSclDispatchLog::Free() {
  ring_.clear();
  ring_.shrink_to_fit();
  size_ = write_ = read_ = free_ = 0;
}

void TSclDispatchLog::Stop() {
  on_ = false;
  Free();
}

void TSclDispatchLog::Clear() {
  write_ = read_ = 0;
  free_ = size_;
}

void TSclDispatchLog::Resume() { on_ = Exists(); }
void TSclDispatchLog::Pause() { on_ = false; }
void TSclDispatchLog::StartClock() { clockStart_ = Clock::Current().MonotonicMs(); }

void TSclDispatchLog::Get(int at, char* bytes, int n) const {
  for (int i = 0; i < n; ++i) bytes[i] = ring_[static_cast<size_t>((at + i) % size_)];
}

void TSclDispatchLog::Put(const char* bytes, int n) {
  const int first = std::min(n, size_ - write_);
  std::memcpy(ring_.data() + write_, bytes, static_cast<size_t>(first));
  std::memcpy(ring_.data(), bytes + first, static_cast<size_t>(n - first));
  write_ = (write_ + n) % size_;
  free_ -= n;
}

void TSclDispatchLog::AddEntry(int kind, int subKind, uint32_t data, const QByteArray& bytes) {
  if (!Exists()) return;
  const int total = kHeaderSize + static_cast<int>(bytes.size());
  if (total >= size_) return; // would push out everything and still not fit
  while (free_ < total) { // drop the oldest entries whole
    Header oldest;
    Get(read_, reinterpret_cast<char*>(&oldest), kHeaderSize);
    const int length = kHeaderSize + static_cast<int>(oldest.length);
    read_ = (read_ + length) % size_;
    free_ += length;
  }
  Header header{static_cast<uint8_t>(kind), static_cast<uint8_t>(subKind), {0, 0},
                static_cast<uint32_t>(Clock::Current().MonotonicMs() - clockStart_), data,
                static_cast<uint32_t>(bytes.size())};
  Put(reinterpret_cast<const char*>(&header), kHeaderSize);
  Put(bytes.constData(), static_cast<int>(bytes.size()));
}

void TSclDispatchLog::AddMark(const QString& text) {
  if (on_) AddEntry(lkUser, lsNone, 0, Cp1252::Encode(text));
}

QByteArray TSclDispatchLog::EntryLine(const char* raw, const QByteArray& data, bool hex) const {
  Header h;
  std::memcpy(&h, raw, kHeaderSize);
  char prefix[128];
  std::snprintf(prefix, sizeof prefix, "%8s  %-8s  %-12s  %.8x  ", TimeText(h.time).constData(),
                EntryName(kKindTexts, h.kind).constData(), EntryName(kSubKindTexts, h.subKind).constData(), h.data);
  QByteArray line(prefix);
  if ((h.kind == lkTrigAllc || h.kind == lkTrigDisp) && h.subKind == lsStatusTrigger) {
    const auto status = data.isEmpty() ? 255u : static_cast<uint8_t>(data[0]);
    if (status < std::size(kStatusKinds)) line += kStatusKinds[status];
  } else {
    int column = 45;
    for (char c : data) {
      const QByteArray& shown = SclByteText(static_cast<unsigned char>(c), hex);
      column += static_cast<int>(shown.size());
      if (column >= 79) {
        line.append("\r\n").append(44, ' ');
        column = static_cast<int>(shown.size()) + 45;
      }
      line += shown;
    }
  }
  line += "\r\n";
  return line;
}

int TSclDispatchLog::Dump(const QString& fileName, bool append, bool hex) {
  if (!Exists() || free_ == size_) {
    Free();
    return 0;
  }
  on_ = false;
  QByteArray text = "SCOMM v1.0\r\n";
  text += "Compiler : " + CompilerText().toLatin1() + "\r\n";
  text += "Operating System : " + PlatformText().toLatin1() + "\r\n";
  text += LookupString(kHeaderText).toLatin1() + "\r\n";
  text += LookupString(kHeaderText + 1).toLatin1() + "\r\n";
  for (int at = read_, left = size_ - free_; left > 0;) {
    char raw[kHeaderSize];
    Get(at, raw, kHeaderSize);
    Header h;
    std::memcpy(&h, raw, kHeaderSize);
    QByteArray data(static_cast<qsizetype>(h.length), Qt::Uninitialized);
    Get((at + kHeaderSize) % size_, data.data(), static_cast<int>(h.length));
    text += EntryLine(raw, data, hex);
    const int length = kHeaderSize + static_cast<int>(h.length);
    at = (at + length) % size_;
    left -= length;
  }
  const int result = WriteSclFile(fileName, append, text);
  if (result == 0) Free();
  return result;
}

QString TSclDispatchLog::CompilerText() {
#if defined(__clang__)
  return QStringLiteral("Clang " __clang_version__).trimmed();
#elif defined(__GNUC__)
  return QStringLiteral("GCC " __VERSION__);
#else
  return QStringLiteral("C++");
#endif
}

QString TSclDispatchLog::PlatformText() {
  utsname name{};
  if (uname(&name) != 0) return QStringLiteral("Unknown");
  return (QString::fromLocal8Bit(name.sysname) + ' ' + QString::fromLocal8Bit(name.release) + ' ' +
          QString::fromLocal8Bit(name.machine))
      .left(80);
}
