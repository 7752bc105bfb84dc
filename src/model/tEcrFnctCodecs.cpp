// The register data codecs of tEcrFnct: packed BCD numbers, BCD dates and times, bit
// fields, single bits and fixed-width texts.
#include "model/EConvertError.h"
#include "model/EcrErrors.h"
#include "model/tEcrFnct.h"
#include "platform/sys/Cp1252.h"

#include <QDate>
#include <QTime>
#include <cstdlib>

namespace {
constexpr quint8 kTildeByte = 0xFD;

// value * 10 + digit, raising ERangeError where 64 bits do not hold the result.
qint64 AddDigit(qint64 value, int digit) {
  qint64 result = 0;
  if (__builtin_mul_overflow(value, qint64(10), &result) || __builtin_add_overflow(result, qint64(digit), &result))
    throw ERangeError();
  return result;
}

// Years 90..99 are the 1990s, the others this century.
int FullYear(int twoDigits) { return twoDigits < 90 ? 2000 + twoDigits : 1900 + twoDigits; }

void CheckBitRun(int firstBit, int bitCount) {
  if (firstBit < 0 || bitCount < 0 || firstBit > 7 || firstBit + bitCount > 8) throw ERangeError();
}
} // namespace

qint64 tEcrFnct::DecodeBcd(const TEcrBlock& buffer, int offset, int length, bool isSigned) {
  CheckSpan(offset, length);
  if (length == 2 && buffer[size_t(offset)] == 0xFF && buffer[size_t(offset) + 1] == 0xFF) return 65535;
  qint64 value = 0;
  bool negative = false;
  for (int i = 0; i < length; ++i) {
    const quint8 byte = buffer[size_t(offset + i)];
    value = AddDigit(value, byte >> 4);
    if (isSigned && i == length - 1)
      negative = (byte & 0x0F) == 0x0D;
    else
      value = AddDigit(value, byte & 0x0F);
  }
  return negative ? -value : value;
}

void tEcrFnct::EncodeBcd(TEcrBlock& buffer, int offset, int length, bool isSigned, qint64 value) {
  CheckSpan(offset, length);
  if (value == 65535 && length == 2) {
    buffer[size_t(offset)] = 0xFF;
    buffer[size_t(offset) + 1] = 0xFF;
    return;
  }
  if (length == 0) return;
  const bool negative = value < 0;
  if (value == std::numeric_limits<qint64>::min()) throw ERangeError();
  const QByteArray digits = QByteArray::number(negative ? -value : value);
  if (digits.size() > 2 * length) throw ERangeError();
  const QByteArray padded = digits.rightJustified(2 * length, '0');
  int next = 2 * length - 1; // the least significant digit not yet placed
  auto digitAt = [&padded](int i) { return quint8(padded[i] - '0'); };
  int last = offset + length - 1;
  if (isSigned) {
    buffer[size_t(last)] = quint8((digitAt(next) << 4) | (negative ? 0x0D : 0x0C));
    --next;
    --last;
  }
  for (int pos = last; pos >= offset; --pos) {
    buffer[size_t(pos)] = quint8((digitAt(next - 1) << 4) | digitAt(next));
    next -= 2;
  }
}

TDateTime tEcrFnct::DecodeBcdDate(const TEcrBlock& buffer, int offset, int length, int order) {
  const qint64 n = DecodeBcd(buffer, offset, length, false);
  if (n == 0) return TDateTime();
  int year = 0, month = 0, day = 0;
  const int high = int(n / 10000), middle = int((n % 10000) / 100), low = int(n % 100);
  switch (order) {
  case 0: year = high, month = middle, day = low; break;
  case 1: month = high, day = middle, year = low; break;
  case 2: day = high, month = middle, year = low; break;
  default: break;
  }
  const QDate date(FullYear(year), month, day);
  if (!date.isValid()) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
  return TDateTime::FromDate(date);
}

void tEcrFnct::EncodeBcdDate(TEcrBlock& buffer, int offset, int length, int order, TDateTime date) {
  const QDate d = date.Date();
  const qint64 year = d.year() % 100, month = d.month(), day = d.day();
  qint64 n = 0;
  switch (order) {
  case 0: n = year * 10000 + month * 100 + day; break;
  case 1: n = month * 10000 + day * 100 + year; break;
  case 2: n = day * 10000 + month * 100 + year; break;
  default: return;
  }
  EncodeBcd(buffer, offset, length, false, n);
}

TDateTime tEcrFnct::DecodeBcdTime(const TEcrBlock& buffer, int offset, int length) {
  const qint64 n = DecodeBcd(buffer, offset, length, false);
  const qint64 hours = n / 100, minutes = n % 100;
  if (hours > 23 || minutes > 59) throw EConvertError(QStringLiteral("Invalid argument to time encode"));
  return TDateTime::FromTime(QTime(int(hours), int(minutes)));
}

void tEcrFnct::EncodeBcdTime(TEcrBlock& buffer, int offset, int length, TDateTime time) {
  const QTime t = time.Time();
  EncodeBcd(buffer, offset, length, false, qint64(t.hour()) * 100 + t.minute());
}

int tEcrFnct::GetBitField(const TEcrBlock& buffer, int offset, int firstBit, int bitCount) {
  CheckSpan(offset, 1);
  if (bitCount == 0) return 0;
  CheckBitRun(firstBit, bitCount);
  return (buffer[size_t(offset)] >> firstBit) & ((1 << bitCount) - 1);
}

void tEcrFnct::SetBitField(TEcrBlock& buffer, int offset, int firstBit, int bitCount, int value) {
  CheckSpan(offset, 1);
  CheckBitRun(firstBit, bitCount);
  if (value < 0 || (qint64(value) << firstBit) > 0xFF) throw ERangeError();
  const int mask = ((1 << bitCount) - 1) << firstBit;
  const int shifted = value << firstBit;
  buffer[size_t(offset)] = quint8((buffer[size_t(offset)] & ~mask) | (shifted & mask));
}

bool tEcrFnct::GetBit(const TEcrBlock& buffer, int offset, int bit) {
  CheckSpan(offset, 1);
  if (bit < 0 || bit > 31) throw ERangeError();
  return bit <= 7 && (buffer[size_t(offset)] >> bit) & 1;
}

void tEcrFnct::SetBit(TEcrBlock& buffer, int offset, int bit, bool flag) {
  CheckSpan(offset, 1);
  if (bit < 0 || bit > 7) throw ERangeError();
  if (flag)
    buffer[size_t(offset)] = quint8(buffer[size_t(offset)] | (1 << bit));
  else
    buffer[size_t(offset)] = quint8(buffer[size_t(offset)] & ~(1 << bit));
}

QString tEcrFnct::DecodeText(const TEcrBlock& buffer, int offset, int length) {
  CheckSpan(offset, length);
  QString text;
  for (int i = 0; i < length; ++i) {
    const quint8 byte = buffer[size_t(offset + i)];
    if (byte == 0) break;
    text += byte == kTildeByte ? QChar(u'~') : Cp1252::ToChar(byte);
  }
  return text;
}

void tEcrFnct::EncodeText(TEcrBlock& buffer, int offset, int length, const QString& text) {
  CheckSpan(offset, length);
  std::fill_n(buffer.begin() + offset, length, quint8(0));
  const int count = std::min(int(text.size()), length);
  for (int i = 0; i < count; ++i)
    buffer[size_t(offset + i)] = text[i] == u'~' ? kTildeByte : quint8(Cp1252::FromChar(text[i]));
}
