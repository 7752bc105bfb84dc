// A libFuzzer target for what the query server does with a client's bytes before any
// command runs: cutting the stream into request lines of bounded length, and cutting a
// line into its four fields. Plain bytes in, no event loop and no data folder.
//
// The first input byte chooses where the rest is cut in two pieces (the stream arrives in
// pieces), the rest is the stream. Rules, any broken one aborts:
//  - the lines do not depend on how the stream was cut;
//  - a line holds no LF; a whole line is at most the limit, a cut one exactly the limit;
//  - a line's fields give the line back: the fields a TAB ended, each with its TAB, then
//    the parameter; a field after a missing TAB is empty; only the parameter holds TABs.
#include "app/query/QueryRequest.h"
#include "platform/localsrv/LineFramer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr qsizetype kLimit = 64; // small, so over-long lines are common

void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "request rule broken: %s\n", rule);
  std::abort();
}

void CheckFields(const QByteArray& bytes) {
  const QString line = QString::fromUtf8(bytes);
  const QueryRequest r = QueryRequest::Parse(line);
  Require(r.tabs >= 0 && r.tabs <= 3, "at most three TABs end fields");
  const QString fields[] = {r.command, r.machineId, r.outputFile};
  QString rebuilt;
  for (int i = 0; i < 3; ++i) {
    Require(!fields[i].contains(QLatin1Char('\t')), "a field holds no TAB");
    if (i < r.tabs)
      rebuilt += fields[i] + QLatin1Char('\t');
    else
      Require(fields[i].isEmpty(), "a field after a missing TAB is empty");
  }
  Require(rebuilt + r.param == line, "the fields give the line back");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const QByteArray stream(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  const qsizetype cut = stream.isEmpty() ? 0 : data[0] % (stream.size() + 1);

  LineFramer whole(kLimit);
  const QList<LineFramer::Line> lines = whole.Feed(stream);
  LineFramer pieces(kLimit);
  QList<LineFramer::Line> again = pieces.Feed(QByteArrayView(stream).first(cut));
  again += pieces.Feed(QByteArrayView(stream).sliced(cut));
  Require(lines == again, "the lines do not depend on the pieces");

  for (const LineFramer::Line& l : lines) {
    Require(!l.text.contains('\n'), "a line holds no LF");
    Require(l.overlong ? l.text.size() == kLimit : l.text.size() <= kLimit, "a line keeps to the limit");
    CheckFields(l.text);
  }
  return 0;
}
