#include "platform/profile/ProfileText.h"

#include "platform/sys/Cp1252.h"

namespace {
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool isBlankLine(const QByteArray& text) {
  for (char c : text)
    if (c != ' ' && c != '\t') return false;
  return true;
}

void addDistinct(QStringList& names, const QString& name) {
  for (const QString& known : names)
    if (sameName(known, name)) return;
  names.append(name);
}
} // namespace

QString ProfileText::TrimBlanks(const QString& text) {
  qsizetype from = 0;
  qsizetype to = text.size();
  while (from < to && isBlank(text[from])) ++from;
  while (to > from && isBlank(text[to - 1])) --to;
  return text.mid(from, to - from);
}

ProfileText::Line ProfileText::classify(QByteArray text, QByteArray end) {
  Line line{std::move(text), std::move(end), Kind::Other, QString()};
  const QString trimmed = TrimBlanks(Cp1252::Decode(line.text));
  if (trimmed.startsWith(QLatin1Char('['))) {
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    line.kind = Kind::Section;
    line.name = TrimBlanks(trimmed.mid(1, close < 0 ? -1 : close - 1));
  } else if (!trimmed.startsWith(QLatin1Char(';'))) {
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? QString() : TrimBlanks(trimmed.left(equals));
    if (!name.isEmpty()) {
      line.kind = Kind::Entry;
      line.name = name;
    }
  }
  return line;
}

ProfileText::Line ProfileText::newLine(const QString& text) {
  return classify(Cp1252::Encode(text), QByteArrayLiteral("\r\n"));
}

ProfileText ProfileText::Parse(const QByteArray& bytes) {
  ProfileText result;
  qsizetype start = 0;
  while (start < bytes.size()) {
    const qsizetype feed = bytes.indexOf('\n', start);
    const qsizetype stop = feed < 0 ? bytes.size() : feed;
    const bool crlf = stop > start && bytes[stop - 1] == '\r' && feed >= 0;
    const qsizetype textEnd = crlf ? stop - 1 : stop;
    result.lines_.push_back(classify(bytes.mid(start, textEnd - start),
                                     feed < 0 ? QByteArray() : bytes.mid(textEnd, stop + 1 - textEnd)));
    start = feed < 0 ? bytes.size() : feed + 1;
  }
  return result;
}

QByteArray ProfileText::Bytes() const {
  QByteArray out;
  for (const Line& line : lines_) out += line.text + line.end;
  return out;
}

int ProfileText::findSection(const QString& section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == Kind::Section && sameName(lines_[i].name, section)) return int(i);
  return -1;
}

int ProfileText::sectionEnd(int header) const {
  std::size_t i = std::size_t(header) + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
  return int(i);
}

int ProfileText::findKey(int header, const QString& key) const {
  const int end = sectionEnd(header);
  for (int i = header + 1; i < end; ++i)
    if (lines_[std::size_t(i)].kind == Kind::Entry && sameName(lines_[std::size_t(i)].name, key)) return i;
  return -1;
}

std::optional<QString> ProfileText::Value(const QString& section, const QString& key) const {
  const int header = findSection(section);
  const int line = header < 0 ? -1 : findKey(header, key);
  if (line < 0) return std::nullopt;
  const QString text = Cp1252::Decode(lines_[std::size_t(line)].text);
  QString value = TrimBlanks(text.mid(text.indexOf(QLatin1Char('=')) + 1));
  if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
    value = value.mid(1, value.size() - 2);
  return value;
}

bool ProfileText::HasSection(const QString& section) const { return findSection(section) >= 0; }

QStringList ProfileText::Sections() const {
  QStringList names;
  for (const Line& line : lines_)
    if (line.kind == Kind::Section) addDistinct(names, line.name);
  return names;
}

QStringList ProfileText::Keys(const QString& section) const {
  QStringList names;
  const int header = findSection(section);
  if (header < 0) return names;
  const int end = sectionEnd(header);
  for (int i = header + 1; i < end; ++i)
    if (lines_[std::size_t(i)].kind == Kind::Entry) addDistinct(names, lines_[std::size_t(i)].name);
  return names;
}

void ProfileText::insertLine(std::size_t at, Line line) {
  // The line before a new one may have been the file's last, without a line end.
  if (at > 0 && lines_[at - 1].end.isEmpty()) lines_[at - 1].end = QByteArrayLiteral("\r\n");
  lines_.insert(lines_.begin() + std::ptrdiff_t(at), std::move(line));
}

void ProfileText::SetValue(const QString& section, const QString& key, const QString& value) {
  const int header = findSection(section);
  if (header < 0) {
    insertLine(lines_.size(), newLine(QLatin1Char('[') + section + QLatin1Char(']')));
    insertLine(lines_.size(), newLine(key + QLatin1Char('=') + value));
    return;
  }
  const int found = findKey(header, key);
  if (found >= 0) {
    Line& line = lines_[std::size_t(found)];
    line = classify(Cp1252::Encode(line.name + QLatin1Char('=') + value), line.end);
    return;
  }
  int at = sectionEnd(header);
  while (at - 1 > header && isBlankLine(lines_[std::size_t(at - 1)].text)) --at;
  insertLine(std::size_t(at), newLine(key + QLatin1Char('=') + value));
}

bool ProfileText::RemoveKey(const QString& section, const QString& key) {
  const int header = findSection(section);
  const int found = header < 0 ? -1 : findKey(header, key);
  if (found < 0) return false;
  lines_.erase(lines_.begin() + found);
  return true;
}
