#pragma once
// The lines of one profile file and the edits a write makes to them. Every line keeps
// its own bytes and line end, so whatever an edit does not touch goes back to the file
// exactly as it was read.
//
// A line whose first non-blank character is "[" starts a section (its name runs to the
// first "]"); a line of the form "key=value" is an entry of the section above it; a
// line starting with ";" is a comment; every other line is kept but means nothing.
// Names match without regard to case; the first of several equal names wins.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class ProfileText {
public:
  static ProfileText Parse(const QByteArray& bytes);
  // Removes blanks and tabs at both ends, the way names and values are read.
  static QString TrimBlanks(const QString& text);
  QByteArray Bytes() const;

  // The value of a key: blanks around it trimmed and one pair of surrounding double
  // quotes removed. nullopt when the section or the key is missing.
  std::optional<QString> Value(const QString& section, const QString& key) const;
  bool HasSection(const QString& section) const;
  QStringList Sections() const;
  QStringList Keys(const QString& section) const;

  // Replaces the value of the key in place, or adds the key at the end of its section
  // (before the section's trailing blank lines), or adds the section at the end of the
  // text. New lines end in CR LF. Names are expected valid and trimmed.
  void SetValue(const QString& section, const QString& key, const QString& value);
  // Removes the key's line; false when there was none.
  bool RemoveKey(const QString& section, const QString& key);

private:
  enum class Kind { Other, Section, Entry };
  struct Line {
    QByteArray text; // without its line end
    QByteArray end;  // "\r\n", "\n", or empty for a last line that has none
    Kind kind = Kind::Other;
    QString name; // the section's or the key's name as written, trimmed
  };

  static Line classify(QByteArray text, QByteArray end);
  static Line newLine(const QString& text);
  int findSection(const QString& section) const;
  int sectionEnd(int header) const;
  int findKey(int header, const QString& key) const;
  void insertLine(std::size_t at, Line line);

  std::vector<Line> lines_;
};
