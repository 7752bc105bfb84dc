// The picture's positions, and texts merged into it and stripped out of it.
#include "widgets/core/TWdgPictureMask.h"

#include "widgets/core/WdgPictureChars.h"
#include "widgets/core/WdgStr.h"

#include <algorithm>

TWdgPictureMask::TWdgPictureMask(const QString& picture, const TWdgIntlSup& settings,
                                 const TWdgUserData& userData)
    : settings_(&settings), userData_(&userData), mask_(QStringLiteral("X")) {
  SetPicture(picture);
}

void TWdgPictureMask::SetPicture(const QString& picture) {
  if (picture.isEmpty()) return;
  mask_ = picture.left(kMaxLength);
  ApplyPicture();
}

void TWdgPictureMask::SetNumericClass(bool numeric) {
  if (numeric == numeric_) return;
  numeric_ = numeric;
  ApplyPicture();
}

void TWdgPictureMask::ApplyPicture() {
  picture_ = mask_;
  if (numeric_) {
    maxLength_ = std::max(1, int(picture_.size()) - int(picture_.contains(u'p')) - int(picture_.contains(u'g')));
  } else {
    for (QChar dropped : {u'p', u'g'}) {
      const qsizetype at = picture_.indexOf(dropped);
      if (at >= 0 && picture_.size() > 1) picture_.remove(at, 1);
    }
    maxLength_ = std::max(maxLength_, int(picture_.size()));
  }
  Analyze();
}

bool TWdgPictureMask::SetMaxLength(int length) {
  if (numeric_ || length == maxLength_ || length < 1 || length > kMaxLength || length < PictureLength())
    return false;
  maxLength_ = length;
  Analyze();
  return true;
}

void TWdgPictureMask::Analyze() {
  kinds_.assign(maxLength_, pkLiteral);
  semiLiterals_ = 0;
  allPlaceholders_ = true;
  for (int at = 0; at < maxLength_; ++at) {
    const QChar c = MaskCharAt(at);
    if (IsPlaceholderChar(c)) {
      kinds_[at] = pkPlaceholder;
      continue;
    }
    allPlaceholders_ = false;
    if (c == u'$' || c == u',') {
      kinds_[at] = pkSemiLiteral;
      ++semiLiterals_;
    }
  }
}

QChar TWdgPictureMask::MaskCharAt(int position) const {
  if (picture_.isEmpty() || position < 0) return QChar();
  return picture_.at(std::min<qsizetype>(position, picture_.size() - 1));
}

TWdgPictureMask::PositionKind TWdgPictureMask::KindAt(int position) const {
  return position >= 0 && position < maxLength_ ? kinds_[position] : pkLiteral;
}

int TWdgPictureMask::DecimalPointPosition() const {
  for (int at = 0; at < maxLength_; ++at)
    if (MaskCharAt(at) == u'.') return at;
  return -1;
}

bool TWdgPictureMask::NeedsNumericMerge() const {
  return semiLiterals_ > 0 || numeric_ || Radix() != TWdgRadix::Decimal || Holds(u'.') || Holds(u'c') ||
         Holds(u'C');
}

void TWdgPictureMask::SubstituteLiteral(QString& out, int position) const {
  const QChar shown = userData_->Substitution(TWdgUserData::CodeOf(MaskCharAt(position)));
  if (!shown.isNull()) out[position] = shown;
}

QString TWdgPictureMask::LocalizeDecimal(const QString& text) const {
  QString result = text;
  return result.replace(u'.', settings_->DecimalChar());
}

QString TWdgPictureMask::MergeBase() const {
  QString out;
  for (int at = 0; at < maxLength_; ++at) out += MaskCharAt(at);
  FillCurrencyRuns(out);
  return out;
}

QString TWdgPictureMask::MergeText(const QString& text) const {
  QString out = MergeBase();
  if (NeedsNumericMerge())
    MergeNumber(out, text);
  else
    MergePlain(out, text);
  return out.left(maxLength_);
}

// 'c' runs: CurrencyLeft from its end, leftward from the run's last position; 'C' runs:
// CurrencyRight from its start, rightward. Blanks once the text is used up.
void TWdgPictureMask::FillCurrencyRuns(QString& out) const {
  for (int at = 0; at < maxLength_;) {
    const QChar c = MaskCharAt(at);
    if (c != u'c' && c != u'C') {
      ++at;
      continue;
    }
    int end = at;
    while (end < maxLength_ && MaskCharAt(end) == c) ++end;
    const QString& currency = c == u'c' ? settings_->CurrencyLeft() : settings_->CurrencyRight();
    for (int i = 0; i < end - at; ++i) {
      if (c == u'c') {
        const qsizetype from = currency.size() - 1 - i;
        out[end - 1 - i] = from >= 0 ? currency.at(from) : u' ';
      } else {
        out[at + i] = i < currency.size() ? currency.at(i) : u' ';
      }
    }
    at = end;
  }
}

int TWdgPictureMask::DollarRunLength() const {
  int at = 0;
  while (at < maxLength_ && MaskCharAt(at) != u'$') ++at;
  int length = 0;
  while (at + length < maxLength_ && MaskCharAt(at + length) == u'$') ++length;
  return length;
}

QString TWdgPictureMask::ShownCurrency() const {
  const QString& currency = settings_->CurrencyLeft();
  return currency.right(std::min<qsizetype>(DollarRunLength(), currency.size()));
}

int TWdgPictureMask::CurrencyRunEnd() const {
  const int length = int(ShownCurrency().size());
  if (length == 0) return -1;
  int first = 0;
  while (MaskCharAt(first) != u'$') ++first;
  return first + length - 1;
}

// The text's decimals after the picture's '.', then '0' up to the next position that is no
// placeholder; beyond that, user literals are substituted and entry positions left blank.
void TWdgPictureMask::MergeDecimals(QString& out, const QString& fraction, int point) const {
  int at = point >= 0 ? point + 1 : maxLength_;
  for (qsizetype i = 0; at < maxLength_ && KindAt(at) == pkPlaceholder; ++at, ++i)
    out[at] = i < fraction.size() ? fraction.at(i) : u'0';
  for (; at < maxLength_; ++at) {
    if (IsLiteral(at))
      SubstituteLiteral(out, at);
    else
      out[at] = u' ';
  }
}

bool TWdgPictureMask::MergeNumber(QString& out, QString text) const {
  TrimBlanks(text);
  const bool negative = text.startsWith(u'-');
  if (negative) text.remove(0, 1);
  const qsizetype textPoint = text.indexOf(u'.');
  const QString whole = textPoint < 0 ? text : text.left(textPoint);
  const QString fraction = textPoint < 0 ? QString() : text.mid(textPoint + 1);
  const int point = DecimalPointPosition();
  MergeDecimals(out, fraction, point);

  // The integer part, right to left. Free positions take the fill: the floating currency
  // text (as much as the '$' run holds, from its end), then the minus sign, then blanks or
  // zeros.
  const QString currency = text.isEmpty() ? QString() : ShownCurrency();
  qsizetype currencyLeft = currency.size();
  bool minusPending = negative;
  const bool zeroFill = Radix() != TWdgRadix::Decimal;
  auto fill = [&]() -> QChar {
    if (currencyLeft > 0) return currency.at(--currencyLeft);
    if (minusPending) {
      minusPending = false;
      return u'-';
    }
    return zeroFill ? u'0' : u' ';
  };
  const int runEnd = CurrencyRunEnd();
  qsizetype digits = whole.size();
  std::vector<int> dropped;  // ',' positions without a separator character
  for (int at = point >= 0 ? point : maxLength_ - 1; at >= 0; --at) {
    const QChar c = MaskCharAt(at);
    if (IsLiteral(at)) {
      if (c == u'.')
        out[at] = settings_->DecimalChar();
      else
        SubstituteLiteral(out, at);
    } else if (c == u',') {
      if (digits == 0)
        out[at] = fill();
      else if (settings_->CommaChar().isNull())
        dropped.push_back(at);
      else
        out[at] = settings_->CommaChar();
    } else {
      out[at] = digits > 0 && at > runEnd ? whole.at(--digits) : fill();
    }
  }
  if (point > 0 && out.at(point - 1) == u' ') out[point - 1] = u'0';
  for (int position : dropped) out.remove(position, 1);  // highest first
  return digits == 0 && !minusPending;
}

bool TWdgPictureMask::NumberFits(const QString& text) const {
  QString out = MergeBase();
  return MergeNumber(out, text);
}

QString TWdgPictureMask::ChangePicture(const QString& picture, const QString& editString) {
  const QString text = StripText(editString);
  SetPicture(picture);
  return MergeText(text);
}

void TWdgPictureMask::MergePlain(QString& out, QString text) const {
  if (real_ && text.size() > maxLength_ && text.contains(u'.')) TrimTrailingZeros(text);
  const int count = int(text.size());
  for (int step = 0, used = 0; step < maxLength_; ++step) {
    const int at = rightJustify_ ? maxLength_ - 1 - step : step;
    if (IsLiteral(at)) {
      SubstituteLiteral(out, at);
      continue;
    }
    const int index = rightJustify_ ? count - 1 - used : used;
    ++used;
    const bool inText = index >= 0 && index < count;
    const QChar c = inText ? text.at(index) : QChar(u' ');
    const QChar preceding = inText && index > 0 ? text.at(index - 1) : QChar(u' ');
    out[at] = ForceCase(MaskCharAt(at), c, preceding, *userData_);
  }
  if (real_) out = LocalizeDecimal(out);
}

QString TWdgPictureMask::StripText(const QString& editString) const {
  if (editString.size() != maxLength_) return editString;
  const int point = DecimalPointPosition();
  QString result;
  for (int at = 0; at < maxLength_; ++at)
    if (IsEntryPosition(at) || at == point) result += editString.at(at);
  if (Holds(u'$')) {
    const QString currency = ShownCurrency();
    const qsizetype found = currency.isEmpty() ? -1 : result.indexOf(currency);
    if (found >= 0) result.remove(found, currency.size());
  }
  if (Holds(u',') && !settings_->CommaChar().isNull()) result.remove(settings_->CommaChar());
  return result;
}

QString TWdgPictureMask::ReformatAfterEdit(const QString& editString) const {
  QString text = StripText(editString);
  text.replace(settings_->DecimalChar(), u'.');
  return MergeText(text);
}

TWdgPictureMask::Digits TWdgPictureMask::CountDigits(int decimalPlaces) const {
  Digits digits;
  const int point = DecimalPointPosition();
  digits.decimals = decimalPlaces;
  if (point >= 0) {
    digits.decimals = 0;
    for (int at = point + 1; KindAt(at) == pkPlaceholder; ++at) ++digits.decimals;
  }
  int at = 0;
  while (at < maxLength_ && KindAt(at) != pkPlaceholder) ++at;
  for (; at < maxLength_ && (KindAt(at) == pkPlaceholder || MaskCharAt(at) == u','); ++at)
    if (KindAt(at) == pkPlaceholder) ++digits.maxDigits;
  digits.maxIntDigits = digits.maxDigits;
  if (point >= 0 && digits.decimals > 0) digits.maxDigits += digits.decimals + 1;
  return digits;
}
