#pragma once
// The electronic journal: a stream of items, each a 16-bit length L (low byte first), L - 2
// bytes of text and 2 unused bytes, that runs across the data blocks of the answer. A block
// may end inside an item (the rest follows in the next block) or at an item's end, where an
// end marker (FF 00, then filler) may close it.
#include "crs-synth/SynthRow.h"

#include <QByteArray>
#include <QList>
#include <QString>

class SynthRandom;

namespace SynthJournal {
constexpr int kLongestItem = 256; // the report's record size
constexpr int kLongestText = kLongestItem - 4;
constexpr int kEntryWidth = 40; // the table keeps the first 40 characters
constexpr int kBlockData = 4088; // a 4096-byte stored block less its frame
constexpr int kDefaultCut = 4080; // leaves a full block room for an end marker

enum class Markers { Last, Boundaries, None };

struct Cutting {
  int size = 0; // stream bytes a block; 0: kDefaultCut
  QList<int> at; // stream offsets where blocks end (ascending); when given, size is not used
  Markers markers = Markers::Last;
  int markerPad = 2; // filler bytes after each FF 00
};

// A text drawn from the seed: empty, three carriage returns, short or long (up to the
// longest item), with control characters now and then.
QByteArray Generate(SynthRandom& random);
// A chosen text: Latin-1 with the escapes \r \n \t \\ and \xNN; throws SynthValueError for
// a text longer than an item holds or a character beyond Latin-1.
QByteArray ParseText(const QString& text);
QByteArray Item(const QByteArray& text, SynthRandom& random);
// Whether the decoder stores a row for the text (three carriage returns it skips).
bool Stored(const QByteArray& text);
// The "Entry" a stored text leaves: characters below 31 dropped, the first 40 kept.
QString EntryOf(const QByteArray& text);
SynthRow Row(qint64 number, const QByteArray& text);
struct Block {
  QByteArray data;
  int items = 0; // items that start in the block
};
// The stream cut into block data as asked; throws SynthValueError for cut points out of
// order or outside the stream, or a block longer than a stored block holds.
QList<Block> Cut(const QList<QByteArray>& items, const Cutting& cutting, SynthRandom& random);
// The texts a decoder finds in the data blocks (carrying a cut item into the next block,
// stopping a block at an end marker); throws SynthFileError for a length no item has.
QList<QByteArray> Read(const QList<QByteArray>& blocks);
// The AllPolls values a journal poll stores in place of the header's ("Ecr Date" is the
// moment of the save, so it is left out).
SynthRow HeaderRow();
} // namespace SynthJournal
