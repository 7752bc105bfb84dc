// Lines cut from a byte stream, however it arrives in pieces, with a bounded length.
#include "platform/localsrv/LineFramer.h"

#include <gtest/gtest.h>

namespace {
using Line = LineFramer::Line;

std::string Show(const QList<Line>& lines) {
  std::string out;
  for (const Line& l : lines) out += (l.overlong ? "[long" : "[") + l.text.toStdString() + "]";
  return out;
}

// Every way of cutting the input into two pieces gives the same lines as one piece.
QList<Line> FedWhole(qsizetype limit, const QByteArray& input) {
  LineFramer framer(limit);
  return framer.Feed(input);
}
} // namespace

TEST(LineFramer, CutsLinesAtLfAndDropsTheCrOfCrLf) {
  const struct {
    const char* input;
    qsizetype limit;
    const char* expected;
  } cases[] = {
      {"a\tb\tc\td\n", 100, "[a\tb\tc\td]"},
      {"one\r\ntwo\n", 100, "[one][two]"},
      {"\n\r\n", 100, "[][]"},
      {"no end yet", 100, ""},
      {"abc\rd\n", 100, "[abc\rd]"},     // a CR inside a line stays
      {"abcd\n", 4, "[abcd]"},            // exactly the limit
      {"abcd\r\n", 4, "[abcd]"},          // the CR of CR LF does not count
      {"abcde\nok\n", 4, "[longabcd][ok]"}, // one past: cut, marked, the rest dropped
      {"abcd\r\r\n", 4, "[longabcd]"},    // a second CR is part of the line
      {"abcdefghijkl", 4, "[longabcd]"},  // marked before its end arrives
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    const QByteArray input(c.input);
    EXPECT_EQ(Show(FedWhole(c.limit, input)), c.expected);
    for (qsizetype cut = 0; cut <= input.size(); ++cut) {
      LineFramer framer(c.limit);
      QList<Line> lines = framer.Feed(input.first(cut));
      lines += framer.Feed(input.sliced(cut));
      EXPECT_EQ(lines, FedWhole(c.limit, input)) << "cut at " << cut;
    }
  }
}

TEST(LineFramer, ByteByByteGivesTheSameLines) {
  const QByteArray input("first\r\n" + QByteArray(50, 'x') + "\nlast\n");
  LineFramer framer(10);
  QList<Line> lines;
  for (char b : input) lines += framer.Feed(QByteArrayView(&b, 1));
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], (Line{"first", false}));
  EXPECT_EQ(lines[1], (Line{QByteArray(10, 'x'), true}));
  EXPECT_EQ(lines[2], (Line{"last", false}));
  EXPECT_FALSE(framer.HasPartialLine());
}

TEST(LineFramer, AnOverlongLineIsReportedOnceHoweverLongItGrows) {
  LineFramer framer(8);
  QList<Line> lines;
  for (int i = 0; i < 1000; ++i) lines += framer.Feed(QByteArray(64, 'y'));
  EXPECT_EQ(lines.size(), 1);
  EXPECT_TRUE(framer.HasPartialLine());
  lines = framer.Feed("tail\nnext\n");
  EXPECT_EQ(lines, (QList<Line>{{"next", false}}));
}
