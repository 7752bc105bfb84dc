#pragma once
// Prints a session's progress lines as they grow: a new line when the module adds one,
// and only the new letters when it appends to the last one, so a terminal shows the
// progress letters the moment they come. What is printed is the lines joined by newlines.
#include <QObject>
#include <QString>

#include <cstdio>

class TProgressLines;

class ProgressPrinter : public QObject {
public:
  ProgressPrinter(const TProgressLines& lines, std::FILE* out);
  // Ends the last line.
  void Finish();
  // Ticks at every change, so a watchdog can tell the session is alive.
  quint64 Changes() const { return changes_; }

private:
  void Added(const QString& line);
  void Changed(const QString& line);
  void Write(const QString& text);

  std::FILE* out_;
  QString current_;
  bool any_ = false;
  quint64 changes_ = 0;
};
