#pragma once
// One printed line of a line-chain report form (cashier, day/shift, the financial report and
// its sections) as data: its band, its design caption and the program row that may replace
// it, the count and total fields it shows, whether it shows their average, and the test that
// decides whether it prints. Forms write their lines as runs (RptLineRun): a run of lines
// whose caption, caption number and field numbers advance together, one line a band.
#include <QList>
#include <QString>

#include <span>

// Where a line's caption comes from: kept as designed, or the "Descriptor" of the row of a
// report descriptor ("Number"), a function key ("KeyNumber") or a major group ("Number").
enum class RptCaptionSource { Fixed, Descriptor, FunctionKey, MajorGroup };

// The line tests. Each applies only under zero skip, except the print-control gate.
//   Pair       the count, or failing that the total, is there and not 0
//   Single     the line's one field is there and not 0
//   Value      the field is not 0; an empty field prints
//   CountOnly  a line of a count and a total that tests the count alone (Single on it)
//   TotalOnly  ... the total alone (Single on it)
//   ValueCount a line of a count and a total whose count takes the value test
//   Gated      the major group's print-control flag must be set (zero skip or not), then Pair
//   Custom     the form itself gives the line its texts and its test
enum class RptLineTest { Pair, Single, Value, CountOnly, TotalOnly, ValueCount, Gated, Custom };

struct RptLineSpec {
  QString band;
  QString caption;
  RptCaptionSource source = RptCaptionSource::Fixed;
  int number = 0;   // of the program row; for Gated also the group whose flag gates the line
  QString suffix;   // after a function key's text
  QString count;    // empty: the line has no count
  QString total;    // empty: the line has no total
  bool average = false;
  RptLineTest test = RptLineTest::Pair;
};

// A run of `lines` lines; "%1" in band, caption and fields stands for the run's own number of
// each, starting at bandFrom, captionFrom and fieldFrom, written with at least the given
// digits (zero filled). A single line is a run of one without "%1".
struct RptLineRun {
  int lines;
  const char* band;
  int bandFrom;
  const char* caption;
  int captionFrom;
  int captionDigits;
  RptCaptionSource source;
  int sourceFrom;
  const char* suffix;
  const char* count;  // nullptr: none
  const char* total;  // nullptr: none
  int fieldFrom;
  int fieldDigits;
  bool average;
  RptLineTest test;
};

// A line of its own: a run of one.
constexpr RptLineRun RptOneLine(const char* band, const char* caption, RptCaptionSource source, int number,
                                const char* count, const char* total, bool average, RptLineTest test) {
  return {1, band, 0, caption, 0, 0, source, number, "", count, total, 0, 0, average, test};
}

QList<RptLineSpec> RptExpandLines(std::span<const RptLineRun> runs);
