#include "widgets/core/TUlvaneEditRules.h"

#include "widgets/core/UlvaneEditTexts.h"
#include "widgets/core/UlvaneNumber.h"

#include <QRegularExpression>

namespace {
const QLatin1Char kPeriod('.');
const QLatin1Char kMinus('-');
const QLatin1Char kDollar('$');

// The characters before the "." (all of them when there is none).
int IntegerLength(const QString& text) {
  const qsizetype period = text.indexOf(kPeriod);
  return int(period < 0 ? text.size() : period);
}

int DecimalLength(const QString& text) {
  const qsizetype period = text.indexOf(kPeriod);
  return period < 0 ? 0 : int(text.size() - period - 1);
}

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
} // namespace

TUlvaneEditRules::TUlvaneEditRules() {
  QStringList none;
  mask_ = TUlvaneMask::Repaired(QStringLiteral("0"), DTInteger, none);
}

QStringList TUlvaneEditRules::SetEditMask(const QString& raw, QString& text) {
  QStringList messages;
  mask_ = TUlvaneMask::Repaired(raw, dataType_, messages);
  if (mask_.HasDollar() && (text.isEmpty() || text == QLatin1String("0"))) text = QStringLiteral("$0");
  rangeHigh_ = mask_.DefaultRangeHigh(dataType_);
  rangeLow_ = mask_.DefaultRangeLow(dataType_);
  return messages;
}

std::optional<QString> TUlvaneEditRules::SetDataType(TDataType type) {
  if (type == dataType_) return std::nullopt;
  dataType_ = type;
  if (type != DTInteger || !mask_.HasDecimalPart()) return std::nullopt;
  mask_ = mask_.WithoutDecimals();
  return QString::fromLatin1(UlvaneText::kNoFloatForInteger);
}

TUlvaneEditRules::Key TUlvaneEditRules::Filter(QChar c, const Edit& edit) const {
  if (dataType_ == DTInteger && c == kPeriod) return Key::Refused;
  if (c != kMinus && c != kPeriod && !IsDigit(c)) return Key::Refused;
  if (c == kMinus && (edit.caret != 0 || edit.Outside().contains(kMinus))) return Key::Refused;
  if (c == kPeriod) {
    // A mask without decimals takes no ".": "5." would not read back as an integer.
    if (mask_.Decimals() == 0) return Key::Refused;
    if (edit.text.contains(kPeriod) && !edit.Selected().contains(kPeriod)) return Key::Refused;
  }
  if (edit.selectionLength > 0) return Key::ReplacesSelection;
  return Fits(c, edit.text, edit.caret) ? Key::Typed : Key::Refused;
}

bool TUlvaneEditRules::Fits(QChar c, const QString& text, int caret) const {
  const QString candidate = text + c;
  const int length = int(candidate.size());
  const int period = int(candidate.indexOf(kPeriod)) + 1; // 1-based, 0 when none
  const int sign = candidate.startsWith(kMinus) ? 1 : 0;
  const int integers = mask_.IntegerDigits();
  const int decimals = mask_.Decimals();
  if (period == 0) return length <= integers + sign;
  if (c == kPeriod) return IntegerLength(text) - caret <= decimals;
  if (period > caret) return IntegerLength(text) < integers + sign;
  return length <= period + decimals;
}

bool TUlvaneEditRules::Change(const QString& text) {
  if (lastText_.contains(kPeriod) && !text.contains(kPeriod) && text.size() > mask_.IntegerDigits() + 1)
    return false;
  lastText_ = text;
  hasPeriod_ = text.contains(kPeriod);
  return true;
}

QString TUlvaneEditRules::Entered(const QString& text) const { return WithoutDollar(text); }

TUlvaneEditRules::LeaveResult TUlvaneEditRules::Leave(const QString& text) const {
  QString number = WithoutDollar(text);
  if (number.isEmpty()) {
    if (leaveBlank_) return {Leaving::StaysBlank, number};
    number = QStringLiteral("0");
  }
  if (!InRange(number)) return {Leaving::OutOfRange, number};
  number = Padded(number);
  return {Leaving::Left, HasDollar() ? kDollar + number : number};
}

QString TUlvaneEditRules::RangeMessage() const {
  return QString::fromLatin1(UlvaneText::kRangePrefix) + rangeLow_ + QString::fromLatin1(UlvaneText::kRangeAnd) +
         rangeHigh_ + kPeriod;
}

bool TUlvaneEditRules::InRange(const QString& text) const {
  if (text.isEmpty()) return true;
  double value = 0;
  // A text that is no number at all ("-", "--5", ".") is as wrong as one out of range.
  if (dataType_ == DTInteger) {
    const auto integer = UlvaneIntFromText(text);
    if (!integer) return false;
    value = *integer;
  } else {
    const auto floating = UlvaneFloatFromText(text);
    if (!floating) return false;
    value = *floating;
  }
  // A bound that is no number limits nothing; an integer bound compares exactly as a double.
  const auto low = UlvaneFloatFromText(rangeLow_);
  const auto high = UlvaneFloatFromText(rangeHigh_);
  return (!low || value >= *low) && (!high || value <= *high);
}

QString TUlvaneEditRules::Padded(const QString& text) const {
  if (!populateZeros_) return text;
  QString padded = text.isEmpty() ? QStringLiteral("0") : text;
  if (padded.startsWith(kPeriod)) padded.prepend(QLatin1Char('0'));
  const int missing = mask_.Decimals() - DecimalLength(padded);
  if (missing <= 0) return padded;
  if (!padded.contains(kPeriod)) padded += kPeriod;
  return padded + QString(missing, QLatin1Char('0'));
}

std::optional<QString> TUlvaneEditRules::Inserted(const Edit& edit, const QString& inserted) const {
  const QString piece = InsertedPart(inserted);
  if (piece.isEmpty()) return std::nullopt;
  const QString result = edit.text.left(edit.caret) + piece + edit.text.mid(edit.caret + edit.selectionLength);
  if (!Holds(result)) return std::nullopt;
  return result;
}

QString TUlvaneEditRules::InsertedPart(const QString& inserted) const {
  QString piece = inserted.trimmed();
  if (HasDollar() && piece.startsWith(kDollar)) piece.remove(0, 1);
  return piece;
}

bool TUlvaneEditRules::Holds(const QString& text) const {
  static const QRegularExpression shape(QStringLiteral("^-?[0-9]*(\\.[0-9]*)?$"));
  if (!shape.match(text).hasMatch()) return false;
  const QString digits = text.startsWith(kMinus) ? text.mid(1) : text;
  if (digits.contains(kPeriod) && (dataType_ == DTInteger || mask_.Decimals() == 0)) return false;
  return IntegerLength(digits) <= mask_.IntegerDigits() && DecimalLength(digits) <= mask_.Decimals();
}

TUlvaneEditRules::Read<qint32> TUlvaneEditRules::IntValue(const QString& text) const {
  if (text.isEmpty() || text == QLatin1String("-")) return {};
  const QString number = WithoutDollar(text);
  if (number.isEmpty()) return {};
  if (const auto value = UlvaneIntFromText(number)) return {*value, {}};
  return {0, QString::fromLatin1(UlvaneText::kIntPrefix) + number + QString::fromLatin1(UlvaneText::kIntSuffix)};
}

TUlvaneEditRules::Read<double> TUlvaneEditRules::FloatValue(const QString& text) const {
  if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("$")) return {};
  const QString number = WithoutDollar(text);
  if (number.isEmpty()) return {};
  if (const auto value = UlvaneFloatFromText(number)) return {*value, {}};
  return {0, QString::fromLatin1(UlvaneText::kFloatPrefix) + number + QString::fromLatin1(UlvaneText::kFloatSuffix)};
}

QString TUlvaneEditRules::IntText(qint32 value) const {
  const QString number = QString::number(value);
  return HasDollar() ? kDollar + number : number;
}

TUlvaneEditRules::Read<QString> TUlvaneEditRules::FloatText(double value) const {
  const auto number = UlvaneFloatText(value);
  if (!number) return {{}, QString::fromLatin1(UlvaneText::kNumberToString)};
  return {Padded(HasDollar() ? kDollar + *number : *number), {}};
}

QString TUlvaneEditRules::WithoutDollar(const QString& text) const {
  return HasDollar() && text.contains(kDollar) ? text.mid(1) : text;
}
