#include "crs-synth/SynthJournal.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthRandom.h"

namespace SynthJournal {

namespace {
const QByteArray kThreeReturns("\r\r\r");
constexpr int kLongestLength = 257; // a text of 255 characters: the longest a decoder reads

char Printable(SynthRandom& random) {
  // Printable ASCII without the backslash, which the expectations give a meaning of its own.
  static const QByteArray alphabet = [] {
    QByteArray out;
    for (char c = 0x20; c < 0x7F; ++c)
      if (c != '\\') out.append(c);
    return out;
  }();
  return alphabet[qsizetype(random.Below(quint64(alphabet.size())))];
}

QByteArray Printables(SynthRandom& random, int length) {
  QByteArray text;
  for (int i = 0; i < length; ++i) text.append(Printable(random));
  return text;
}

// Control characters the decoder drops (0 to 30) and now and then a 31, which it keeps.
void AddControls(QByteArray& text, SynthRandom& random) {
  const int count = 1 + int(random.Below(4));
  for (int i = 0; i < count && text.size() < kLongestText; ++i) {
    const char c = random.Below(5) == 0 ? char(31) : char(random.Below(31));
    text.insert(qsizetype(random.Below(quint64(text.size() + 1))), c);
  }
}

char Filler(SynthRandom& random) { return char(1 + random.Below(255)); }

int Hex(const QString& text, qsizetype at) {
  bool ok = false;
  const int value = text.mid(at, 2).toInt(&ok, 16);
  if (!ok || text.mid(at, 2).size() != 2)
    throw SynthValueError(QStringLiteral("\"%1\": \\x takes two hex digits").arg(text));
  return value;
}
} // namespace

QByteArray Generate(SynthRandom& random) {
  switch (random.Below(10)) {
  case 0:
    return {};
  case 1:
    return kThreeReturns;
  case 2: // long: past the column, up to the longest item
    return Printables(random, random.Below(3) == 0 ? kLongestText : kEntryWidth + 1 + int(random.Below(kLongestText - kEntryWidth)));
  case 3: {
    QByteArray text = Printables(random, int(random.Below(60)));
    AddControls(text, random);
    return text;
  }
  case 4:
    return Printables(random, kEntryWidth + int(random.Below(2)));
  default:
    return Printables(random, 1 + int(random.Below(kEntryWidth)));
  }
}

QByteArray ParseText(const QString& text) {
  QByteArray out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c != u'\\') {
      if (c > 0xFF) throw SynthValueError(QStringLiteral("\"%1\" holds a character beyond Latin-1").arg(text));
      out.append(char(c));
      continue;
    }
    const char16_t next = i + 1 < text.size() ? text[i + 1].unicode() : u'\0';
    i += 1;
    if (next == u'r') out.append('\r');
    else if (next == u'n') out.append('\n');
    else if (next == u't') out.append('\t');
    else if (next == u'\\') out.append('\\');
    else if (next == u'x') {
      out.append(char(Hex(text, i + 1)));
      i += 2;
    } else throw SynthValueError(QStringLiteral("\"%1\": a backslash takes r, n, t, \\ or xNN").arg(text));
  }
  if (out.size() > kLongestText)
    throw SynthValueError(QStringLiteral("A journal entry holds at most %1 characters, not %2").arg(kLongestText).arg(out.size()));
  return out;
}

QByteArray Item(const QByteArray& text, SynthRandom& random) {
  const int length = int(text.size()) + 2;
  QByteArray item;
  item.append(char(length & 0xFF)).append(char(length >> 8)).append(text);
  item.append(Filler(random)).append(Filler(random)); // the two unused bytes
  return item;
}

bool Stored(const QByteArray& text) { return text != kThreeReturns; }

QString EntryOf(const QByteArray& text) {
  QString entry;
  for (const char c : text)
    if (quint8(c) >= 31) entry.append(QChar(char16_t(quint8(c))));
  return entry.left(kEntryWidth);
}

SynthRow Row(qint64 number, const QByteArray& text) {
  SynthRow row;
  row.Add(QStringLiteral("Memory Number"), SynthValue::Integer(number));
  row.Add(QStringLiteral("Entry"), SynthValue::Text(EntryOf(text)));
  return row;
}

QList<Block> Cut(const QList<QByteArray>& items, const Cutting& cutting, SynthRandom& random) {
  QByteArray stream;
  QList<int> starts;
  for (const QByteArray& item : items) {
    starts << int(stream.size());
    stream += item;
  }
  const int length = int(stream.size());
  QList<int> ends = cutting.at;
  for (qsizetype k = 0; k < ends.size(); ++k)
    if (ends[k] <= (k ? ends[k - 1] : 0) || ends[k] >= length)
      throw SynthValueError(QStringLiteral("Cut points rise from 1 to %1 (the stream's length less one); %2 does not fit")
                                .arg(length - 1).arg(ends[k]));
  if (ends.isEmpty()) {
    const int size = cutting.size ? cutting.size : kDefaultCut;
    if (size < 1) throw SynthValueError(QStringLiteral("A block holds at least one byte of the journal"));
    for (int end = size; end < length; end += size) ends << end;
  }
  ends << length;
  if (cutting.markerPad < 0 || cutting.markerPad > 16)
    throw SynthValueError(QStringLiteral("An end marker is followed by 0 to 16 filler bytes"));

  QList<Block> blocks;
  for (qsizetype k = 0, next = 0; k < ends.size(); ++k) {
    const int from = k ? ends[k - 1] : 0, to = ends[k];
    Block block;
    block.data = stream.mid(from, to - from);
    for (; next < starts.size() && starts[next] < to; ++next) ++block.items;
    const bool last = k + 1 == ends.size();
    const bool boundary = to == length || starts.contains(to);
    if ((cutting.markers == Markers::Last && last) || (cutting.markers == Markers::Boundaries && boundary)) {
      block.data.append(char(0xFF)).append('\0');
      for (int i = 0; i < cutting.markerPad; ++i) block.data.append(Filler(random));
    }
    if (block.data.size() > kBlockData)
      throw SynthValueError(QStringLiteral("Block %1 would hold %2 data bytes; a block holds %3")
                                .arg(k + 2).arg(block.data.size()).arg(kBlockData));
    blocks << block;
  }
  return blocks;
}

QList<QByteArray> Read(const QList<QByteArray>& blocks) {
  QList<QByteArray> texts;
  QByteArray carry;
  for (qsizetype b = 0; b < blocks.size(); ++b) {
    const QByteArray data = carry + blocks[b];
    carry.clear();
    const qsizetype n = data.size();
    for (qsizetype pos = 0; pos < n;) {
      const qsizetype left = n - pos;
      const int length = left >= 2 ? quint8(data[pos]) | quint8(data[pos + 1]) << 8 : -1;
      if (length == 255) break; // an end marker ends this block only
      if (left > 3 && (length < 2 || length > kLongestLength))
        throw SynthFileError(QStringLiteral("Block %1 holds an item of length %2 at %3").arg(b + 2).arg(length).arg(pos));
      if (left <= 3 || pos + 2 + length > n) {
        carry = data.mid(pos); // an item cut by the block's end: read on in the next
        break;
      }
      texts << data.mid(pos + 2, length - 2);
      pos += 2 + length;
    }
  }
  return texts; // bytes still carried after the last block belong to no entry
}

SynthRow HeaderRow() {
  const QString ej = QStringLiteral("E.J.");
  SynthRow row;
  row.Add(QStringLiteral("Poll Type"), SynthValue::Text(ej));
  row.Add(QStringLiteral("Polled Area"), SynthValue::Text(ej));
  row.Add(QStringLiteral("Z Counter"), SynthValue::Integer(0));
  row.Add(QStringLiteral("Misc Info 1"), SynthValue::Integer(0));
  row.Add(QStringLiteral("Misc Info 2"), SynthValue::Integer(0));
  row.Add(QStringLiteral("Misc Info 3"), SynthValue::Integer(0));
  row.Add(QStringLiteral("Misc Data 1"), SynthValue::Text(QStringLiteral("0")));
  return row;
}

} // namespace SynthJournal
