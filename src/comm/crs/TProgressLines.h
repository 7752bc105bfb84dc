#pragma once
// The progress lines of a session, as its window's memo shows them: protocol modules add
// lines and append single letters to the last one. Whoever shows the lines (the window, a
// command-line driver) follows the two signals.
#include <QObject>
#include <QStringList>

class TProgressLines : public QObject {
  Q_OBJECT
public:
  explicit TProgressLines(QObject* parent = nullptr) : QObject(parent) {}

  const QStringList& Lines() const { return lines_; }
  QString Last() const { return lines_.isEmpty() ? QString() : lines_.last(); }
  void Add(const QString& line);
  // Appends to the last line (starting one when there is none).
  void AppendToLast(const QString& text);
  void Clear();

Q_SIGNALS:
  void LineAdded(const QString& line);
  void LastLineChanged(const QString& line);

private:
  QStringList lines_;
};
