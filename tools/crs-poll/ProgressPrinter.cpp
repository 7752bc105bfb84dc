#include "ProgressPrinter.h"

#include "comm/crs/TProgressLines.h"

ProgressPrinter::ProgressPrinter(const TProgressLines& lines, std::FILE* out) : out_(out) {
  connect(&lines, &TProgressLines::LineAdded, this, &ProgressPrinter::Added);
  connect(&lines, &TProgressLines::LastLineChanged, this, &ProgressPrinter::Changed);
}

void ProgressPrinter::Added(const QString& line) {
  Write(any_ ? QLatin1Char('\n') + line : line);
  any_ = true;
  current_ = line;
}

void ProgressPrinter::Changed(const QString& line) {
  if (!any_ || !line.startsWith(current_)) return Added(line);
  Write(line.mid(current_.size()));
  current_ = line;
}

void ProgressPrinter::Finish() {
  if (any_) Write(QStringLiteral("\n"));
  any_ = false;
  current_.clear();
}

void ProgressPrinter::Write(const QString& text) {
  ++changes_;
  std::fputs(text.toLocal8Bit().constData(), out_);
  std::fflush(out_);
}
