#include "widgets/core/WdgIntlSup.h"

#include "widgets/core/WdgLibraryStrings.h"

#include "platform/sys/Clock.h"

#include <QLocale>

namespace {
QString Value(const TWdgIntlSup::Source& source, const char* key) {
  return source.value(QString::fromLatin1(key)).trimmed();
}

// A character setting: the first of up to 5 characters; an empty text keeps the default.
QChar CharSetting(const TWdgIntlSup::Source& source, const char* key, QChar fallback) {
  const QString text = Value(source, key);
  return text.isEmpty() ? fallback : text.at(0);
}

// A text of a field of `size` places including its terminator.
QString TextSetting(const TWdgIntlSup::Source& source, const char* key, const QString& fallback,
                    int size) {
  const QString text = Value(source, key);
  return (text.isEmpty() ? fallback : text).left(size - 1);
}

int IntSetting(const TWdgIntlSup::Source& source, const char* key, int fallback) {
  bool ok = false;
  const int value = Value(source, key).toInt(&ok);
  return ok ? value : fallback;
}

// A one-letter answer comes from the library's texts when that text is one character long.
QChar AnswerChar(int textId, QChar fallback) {
  const QString text = LibraryString(textId);
  return text.size() == 1 ? text.at(0) : fallback;
}

// A format with an AM/PM marker: "tt" in an [intl] time format, "AP" or "ap" in a locale's.
bool HasDayHalfMarker(const QString& timeFormat) {
  return timeFormat.contains(u't') || timeFormat.contains(QLatin1String("ap"), Qt::CaseInsensitive);
}

// Lengthens the first run of `letter` (lower case first, else upper) to `least` places and
// sets its padding: a single lower-case letter becomes an upper-case (blank-padded) run,
// exactly two upper-case letters become lower case (zero-padded).
void WidenRun(QString& mask, char letter, int least, bool recase) {
  const QChar lower = QChar::fromLatin1(letter);
  const QChar upper = lower.toUpper();
  int start = mask.indexOf(lower);
  QChar found = lower;
  if (start < 0) {
    start = mask.indexOf(upper);
    found = upper;
  }
  if (start < 0) return;
  int length = 0;
  while (start + length < mask.size() && mask.at(start + length) == found) ++length;
  QChar result = found;
  if (recase && length == 1 && found == lower) result = upper;
  if (recase && length == 2 && found == upper) result = lower;
  mask.replace(start, length, QString(qMax(length, least), result));
}
} // namespace

TWdgIntlSup::TWdgIntlSup() : TWdgIntlSup(Source{}) {}

TWdgIntlSup::TWdgIntlSup(const Source& source, const QLocale& names) {
  const QString currency = TextSetting(source, "sCurrency", currencyLeft_, 6);
  currencyForm_ = IntSetting(source, "iCurrency", 0);
  currencyLeft_ = currencyForm_ == 2 ? (currency + u' ').left(5) : currency;
  currencyRight_ = currencyForm_ == 3 ? (u' ' + currency).left(5) : currency;
  decimalChar_ = CharSetting(source, "sDecimal", decimalChar_);
  commaChar_ = CharSetting(source, "sThousand", commaChar_);
  if (commaChar_ == decimalChar_) {
    decimalChar_ = u'.';
    commaChar_ = u',';
  }
  currencyDigits_ = IntSetting(source, "iCurrDigits", currencyDigits_);
  listChar_ = CharSetting(source, "sList", listChar_);
  slashChar_ = CharSetting(source, "sDate", slashChar_);
  trueChar_ = AnswerChar(WdgText::kTrue, trueChar_);
  falseChar_ = AnswerChar(WdgText::kFalse, falseChar_);
  yesChar_ = AnswerChar(WdgText::kYes, yesChar_);
  noChar_ = AnswerChar(WdgText::kNo, noChar_);
  amText_ = TextSetting(source, "s1159", amText_, 6);
  pmText_ = TextSetting(source, "s2359", pmText_, 6);
  timeSepChar_ = CharSetting(source, "sTime", timeSepChar_);
  country_ = Value(source, "sCountry");
  longDatePicture_ = TextSetting(source, "sLongDate", longDatePicture_, 40);
  negCurrencyForm_ = IntSetting(source, "iNegCurr", 0);
  shortDatePicture_ = TextSetting(source, "sShortDate", shortDatePicture_, 30);
  shortDatePicture_.replace(slashChar_, u'/');
  leadingZeroHours_ = IntSetting(source, "iTLZero", 0) != 0;
  twelveHour_ = HasDayHalfMarker(Value(source, "sTimeFormat"));
  ReworkLongDatePicture();
  for (int month = 1; month <= 12; ++month) monthNames_ << names.monthName(month, QLocale::LongFormat);
  for (int day = 0; day < 7; ++day) dayNames_ << names.dayName(day == 0 ? 7 : day, QLocale::LongFormat);
  const QDate today = Clock::Current().Now().date();
  currentYear_ = today.year();
  currentMonth_ = today.month();
}

// Quoted literals become runs of "f", "g" and "h"; the weekday and month name runs become "w"
// and "n"; a "," or "." gets a blank after it.
void TWdgIntlSup::ReworkLongDatePicture() {
  QString& picture = longDatePicture_;
  for (int slot = 0; slot < 3; ++slot) {
    const qsizetype open = picture.indexOf(u'\'');
    if (open < 0) break;
    picture.remove(open, 1);
    const qsizetype close = picture.indexOf(u'\'', open);
    if (close < 0) break;
    literals_[slot] = picture.mid(open, qMin<qsizetype>(close - open, 5));
    picture.replace(open, close - open + 1, QString(literals_[slot].size(), QChar::fromLatin1("fgh"[slot])));
  }
  auto renameRun = [&picture](const QString& start, QChar from, QChar to) {
    qsizetype at = picture.indexOf(start);
    while (at >= 0 && at < picture.size() && picture.at(at) == from) picture[at++] = to;
  };
  renameRun(QStringLiteral("ddd"), u'd', u'w');
  renameRun(QStringLiteral("MMM"), u'M', u'n');
  for (qsizetype at = 0; at + 1 < picture.size(); ++at)
    if ((picture.at(at) == u',' || picture.at(at) == u'.') && picture.at(at + 1) != u' ')
      picture.insert(at + 1, u' ');
}

TWdgIntlSup::Source TWdgIntlSup::SourceOf(const QLocale& locale) {
  const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
  const QString time = locale.timeFormat(QLocale::LongFormat);
  auto separatorOf = [](const QString& format) {
    for (QChar c : format)
      if (!c.isLetter() && c != u'\'' && c != u' ') return QString(c);
    return QString();
  };
  return {{QStringLiteral("sDecimal"), locale.decimalPoint()},
          {QStringLiteral("sThousand"), locale.groupSeparator()},
          {QStringLiteral("sCurrency"), locale.currencySymbol()},
          {QStringLiteral("s1159"), locale.amText()},
          {QStringLiteral("s2359"), locale.pmText()},
          {QStringLiteral("sShortDate"), shortDate},
          {QStringLiteral("sLongDate"), locale.dateFormat(QLocale::LongFormat)},
          {QStringLiteral("sDate"), separatorOf(shortDate)},
          {QStringLiteral("sTime"), separatorOf(time)},
          {QStringLiteral("sTimeFormat"), time},
          {QStringLiteral("iTLZero"), time.startsWith(QLatin1String("hh"), Qt::CaseInsensitive)
                                          ? QStringLiteral("1")
                                          : QStringLiteral("0")},
          {QStringLiteral("sCountry"), QLocale::territoryToString(locale.territory())}};
}

QString TWdgIntlSup::DateMask(bool forceCentury) const {
  QString mask = shortDatePicture_;
  WidenRun(mask, 'd', 2, true);
  WidenRun(mask, 'm', 2, true);
  WidenRun(mask, 'y', forceCentury ? 4 : 2, false);
  return mask;
}

QString TWdgIntlSup::TimeMask(bool showSeconds) const {
  QString mask = QStringLiteral("hh:mm:ss");
  if (!leadingZeroHours_) mask[0] = u'H';
  if (!showSeconds) mask.truncate(5);
  const auto places = qMax(amText_.size(), pmText_.size());
  if (twelveHour_ && places > 0) mask += u' ' + QString(places, u't');
  return mask;
}

const TWdgIntlSup& RegionalSettings() {
  static const TWdgIntlSup settings;
  return settings;
}
