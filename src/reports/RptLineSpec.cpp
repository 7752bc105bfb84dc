#include "reports/RptLineSpec.h"

namespace {
QString Numbered(const char* pattern, int number, int digits) {
  if (!pattern) return QString();
  const QString text = QString::fromLatin1(pattern);
  return text.contains(QLatin1String("%1")) ? text.arg(number, digits, 10, QLatin1Char('0')) : text;
}
} // namespace

QList<RptLineSpec> RptExpandLines(std::span<const RptLineRun> runs) {
  QList<RptLineSpec> lines;
  for (const RptLineRun& run : runs)
    for (int i = 0; i < run.lines; ++i) {
      RptLineSpec line;
      line.band = Numbered(run.band, run.bandFrom + i, 1);
      line.caption = Numbered(run.caption, run.captionFrom + i, run.captionDigits);
      line.source = run.source;
      line.number = run.source == RptCaptionSource::Fixed && run.test != RptLineTest::Gated ? 0 : run.sourceFrom + i;
      line.suffix = QString::fromLatin1(run.suffix ? run.suffix : "");
      line.count = Numbered(run.count, run.fieldFrom + i, run.fieldDigits);
      line.total = Numbered(run.total, run.fieldFrom + i, run.fieldDigits);
      line.average = run.average;
      line.test = run.test;
      lines.append(line);
    }
  return lines;
}
