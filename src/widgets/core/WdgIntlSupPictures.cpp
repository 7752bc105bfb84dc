// The date and time texts of TWdgIntlSup: reading and writing them by a picture.
#include "widgets/core/WdgIntlSup.h"

#include "widgets/core/WdgDate.h"

namespace {
struct Run {
  qsizetype start = -1;
  qsizetype length = 0;
  bool found() const { return start >= 0; }
};

bool IsLetter(QChar c, char letter) { return c.toLower() == QChar::fromLatin1(letter); }

// The first run of a letter, in either case; the case may change within the run.
Run FindRun(const QString& picture, char letter) {
  Run run;
  for (qsizetype at = 0; at < picture.size(); ++at) {
    if (!IsLetter(picture.at(at), letter)) continue;
    run.start = at;
    while (at < picture.size() && IsLetter(picture.at(at), letter)) ++at;
    run.length = at - run.start;
    break;
  }
  return run;
}

// Every place of the letters under the picture becomes a blank.
void BlankLetters(const QString& picture, QString& text, const char* letters) {
  for (qsizetype at = 0; at < picture.size(); ++at)
    for (const char* letter = letters; *letter; ++letter)
      if (IsLetter(picture.at(at), *letter)) text[at] = u' ';
}

void ReplaceSeparator(const QString& picture, QString& text, QChar placeholder, QChar shown) {
  for (qsizetype at = 0; at < picture.size(); ++at)
    if (picture.at(at) == placeholder) text[at] = shown;
}

QString PaddedUpper(const QString& text, qsizetype length) {
  return text.toUpper().leftJustified(length, u' ', true);
}
} // namespace

int TWdgIntlSup::MonthFromName(const QString& text, int length) const {
  const QString sought = PaddedUpper(text, length);
  for (int month = 0; month < monthNames_.size(); ++month)
    if (PaddedUpper(monthNames_.at(month), length) == sought) return month + 1;
  return 0;
}

int TWdgIntlSup::ReadSubfield(const QString& picture, const QString& text, char letter, int absent,
                              int empty) const {
  const Run run = FindRun(picture, letter);
  if (!run.found() || text.size() != picture.size()) return absent;
  const QString value = text.mid(run.start, run.length).remove(u' ');
  if (value.isEmpty()) return empty;
  if (letter == 'n') {
    const int month = MonthFromName(value, int(run.length));
    return month == 0 ? -1 : month;
  }
  bool ok = false;
  const int number = value.toInt(&ok, 10);
  return ok && number >= 0 ? number : -1;
}

bool TWdgIntlSup::DateTextToDMY(const QString& picture, const QString& text, int epoch, int& day,
                                int& month, int& year) const {
  if (picture.size() != text.size()) return false;
  month = ReadSubfield(picture, text, 'n', 0, -1);
  if (month == 0) month = ReadSubfield(picture, text, 'm', currentMonth_, -1);
  day = ReadSubfield(picture, text, 'd', 1, -1);
  year = ReadSubfield(picture, text, 'y', currentYear_, -1);
  return ValidDate(day, month, year, epoch);
}

int32_t TWdgIntlSup::DateTextToDayNumber(const QString& picture, const QString& text, int epoch) const {
  int day = 0, month = 0, year = 0;
  if (!DateTextToDMY(picture, text, epoch, day, month, year)) return BadDate;
  return DMYToDayNumber(day, month, year, epoch);
}

// Writes the value into the letter's run: names left-aligned and blank-padded, numbers
// right-aligned with their last digits. A lower-case number place shows "0" for a missing
// digit, an upper-case one a blank; an upper-case name place shows its letter in upper case.
void TWdgIntlSup::MergeIntoPicture(const QString& picture, QString& text, char letter, int value) const {
  const Run run = FindRun(picture, letter);
  if (!run.found()) return;
  const bool name = letter == 'n' || letter == 'w';
  QString shown;
  if (letter == 'n')
    shown = value >= 1 && value <= 12 ? monthNames_.at(value - 1) : QString();
  else if (letter == 'w')
    shown = value >= 0 && value <= 6 ? dayNames_.at(value) : QString();
  if (name)
    shown = shown.leftJustified(run.length, u' ', true);
  else
    shown = QString::number(value).rightJustified(40, u' ');
  qsizetype from = shown.size();
  for (qsizetype at = run.start + run.length - 1; at >= run.start; --at) {
    const QChar c = from > 0 ? shown.at(--from) : QChar(u' ');
    const bool upperPlace = picture.at(at).isUpper();
    if (name)
      text[at] = upperPlace ? c.toUpper() : c;
    else
      text[at] = c == u' ' && !upperPlace ? QChar(u'0') : c;
  }
}

void TWdgIntlSup::FillLiterals(const QString& picture, QString& text) const {
  for (int slot = 0; slot < 3; ++slot) {
    const Run run = FindRun(picture, "fgh"[slot]);
    for (qsizetype at = 0; at < run.length; ++at)
      text[run.start + at] = at < literals_[slot].size() ? literals_[slot].at(at) : QChar(u' ');
  }
}

QString TWdgIntlSup::DMYToDateText(const QString& picture, int day, int month, int year, int epoch,
                                   bool pack) const {
  year = ResolveEpochYear(year, epoch);
  const int weekday = WeekdayOfDMY(day, month, year, epoch);
  QString text = picture;
  MergeIntoPicture(picture, text, 'm', month);
  MergeIntoPicture(picture, text, 'd', day);
  MergeIntoPicture(picture, text, 'y', year);
  MergeIntoPicture(picture, text, 'n', month);
  MergeIntoPicture(picture, text, 'w', weekday);
  ReplaceSeparator(picture, text, u'/', slashChar_);
  FillLiterals(picture, text);
  return pack ? PackDateTimeText(picture, text) : text;
}

QString TWdgIntlSup::DayNumberToDateText(const QString& picture, int32_t dayNumber, bool pack) const {
  int day = 0, month = 0, year = 0;
  DayNumberToDMY(dayNumber, day, month, year);
  if (year == 0) {
    QString text = picture;
    BlankLetters(picture, text, "mndyw");
    ReplaceSeparator(picture, text, u'/', slashChar_);
    FillLiterals(picture, text);
    return text;
  }
  return DMYToDateText(picture, day, month, year, 1900, pack);
}

bool TWdgIntlSup::TimeTextToHMS(const QString& picture, const QString& text, int& hours, int& minutes,
                                int& secs) const {
  if (picture.size() != text.size()) return false;
  hours = ReadSubfield(picture, text, 'h', 0, -1);
  minutes = ReadSubfield(picture, text, 'm', 0, -1);
  secs = ReadSubfield(picture, text, 's', 0, -1);
  if (hours < 0 || minutes < 0 || secs < 0) return false;
  const Run half = FindRun(picture, 't');
  if (half.found() && !amText_.isEmpty() && !pmText_.isEmpty()) {
    QString marker = text.mid(half.start, half.length);
    while (marker.endsWith(u' ')) marker.chop(1);
    const auto is = [&](const QString& dayHalf) {
      return !marker.isEmpty() && marker.compare(dayHalf.left(half.length), Qt::CaseInsensitive) == 0;
    };
    if (is(pmText_)) {
      if (hours > 12) return false;
      if (hours < 12) hours += 12;
    } else if (is(amText_)) {
      if (hours < 1 || hours > 12) return false;
      if (hours == 12) hours = 0;
    } else {
      return false;
    }
  }
  return ValidTime(hours, minutes, secs);
}

int32_t TWdgIntlSup::TimeTextToSeconds(const QString& picture, const QString& text) const {
  int hours = 0, minutes = 0, secs = 0;
  if (!TimeTextToHMS(picture, text, hours, minutes, secs)) return BadTime;
  return HMSToSeconds(uint8_t(hours), uint8_t(minutes), uint8_t(secs));
}

QString TWdgIntlSup::SecondsToTimeText(const QString& picture, int32_t seconds, bool pack) const {
  const bool valid = seconds >= 0 && seconds < 86400;
  uint8_t h = 0, m = 0, s = 0;
  SecondsToHMS(valid ? seconds : BadTime, h, m, s);
  int hours = h;
  const Run half = FindRun(picture, 't');
  const bool bothTexts = !amText_.isEmpty() && !pmText_.isEmpty();
  const QString& chosen = hours < 12 ? amText_ : pmText_;
  if (half.found() && bothTexts) {
    if (hours == 0) hours = 12;
    if (hours > 12) hours -= 12;
  }
  QString text = picture;
  if (valid) {
    MergeIntoPicture(picture, text, 'h', hours);
    MergeIntoPicture(picture, text, 'm', m);
    MergeIntoPicture(picture, text, 's', s);
  } else {
    BlankLetters(picture, text, "hms");
  }
  ReplaceSeparator(picture, text, u':', timeSepChar_);
  if (half.found()) {
    const bool blank = (amText_.isEmpty() && pmText_.isEmpty()) || (!valid && amText_.isEmpty());
    // Places the chosen text does not reach show blanks.
    for (qsizetype at = 0; at < half.length; ++at)
      text[half.start + at] = !blank && at < chosen.size() ? chosen.at(at) : QChar(u' ');
  }
  return pack && valid ? PackDateTimeText(picture, text) : text;
}

QString TWdgIntlSup::PackDateTimeText(const QString& picture, const QString& text) {
  static const QString kPadded = QStringLiteral("DHMNSWnw");
  QString packed;
  for (qsizetype at = 0; at < picture.size() && at < text.size(); ++at) {
    const QChar p = picture.at(at);
    const bool blank = text.at(at) == u' ';
    if (blank && kPadded.contains(p)) continue;
    if (blank && p == u't') {
      if (at > 0 && picture.at(at - 1) == u' ' && !packed.isEmpty()) packed.chop(1);
      continue;
    }
    packed += text.at(at);
  }
  return packed.left(80);
}
