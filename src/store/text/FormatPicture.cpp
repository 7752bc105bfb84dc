#include "store/text/FormatPicture.h"

#include "store/text/ShortStrRoutines.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr int kMaxRenderedDecimals = 18;

bool isDigitPlace(QChar c) {
  return c == QLatin1Char('#') || c == QLatin1Char('$') || c == QLatin1Char('*') || c == QLatin1Char('@');
}
bool isSignPlace(QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-'); }
bool isPointOrSeparator(QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('.'); }
bool isPictureChar(QChar c) { return isDigitPlace(c) || isSignPlace(c) || isPointOrSeparator(c); }

QChar signFor(QChar place, bool negative) {
  if (negative) return QLatin1Char('-');
  return place == QLatin1Char('+') ? QLatin1Char('+') : QLatin1Char(' ');
}

// The picture run of a mask and what its characters ask for.
struct Picture {
  int start = 0;
  int end = 0; // one past the run's last character
  bool floatingCurrency = false;
  bool fixedSign = false;
  QChar fill = QLatin1Char(' ');
  int decimalPos = -1; // index of the run's last "," or "."
  int width = 0;       // digit places, plus one for the point when there are decimals
  int decimals = 0;
};

Picture findPicture(const QString& mask, bool integerMode) {
  Picture p;
  p.start = int(mask.size());
  for (int i = 0; i < mask.size(); ++i)
    if (isPictureChar(mask[i])) {
      p.start = i;
      break;
    }
  p.end = p.start;
  bool star = false;
  bool zero = false;
  while (p.end < mask.size() && isPictureChar(mask[p.end])) {
    const QChar c = mask[p.end];
    p.floatingCurrency |= c == QLatin1Char('$');
    star |= c == QLatin1Char('*');
    zero |= c == QLatin1Char('@');
    p.fixedSign |= isSignPlace(c);
    if (isPointOrSeparator(c)) p.decimalPos = p.end;
    ++p.end;
  }
  // Zero fill outranks star fill and leaves no room for a floating currency sign.
  p.fill = zero ? QLatin1Char('0') : star ? QLatin1Char('*') : QLatin1Char(' ');
  p.floatingCurrency &= !zero;
  // An integer has no decimals. When the run does not reach the mask's final point, its
  // last separator is a separator, not the decimal position.
  if (integerMode && p.decimalPos != mask.size() - 1) p.decimalPos = p.end;
  int places = 0;
  for (int i = p.start; i < p.end; ++i) {
    if (!isDigitPlace(mask[i])) continue;
    ++places;
    if (p.decimalPos >= 0 && i > p.decimalPos) ++p.decimals;
  }
  p.width = places + (p.decimals > 0 ? 1 : 0);
  return p;
}

// True when magnitude * 10^decimals lies exactly halfway between two integers.
bool isExactTie(double magnitude, int decimals) {
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);
  auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
  if (mantissa == 0) return false;
  const int binaryExponent = exponent - 53; // magnitude = mantissa * 2^binaryExponent
  return binaryExponent < 0 && __builtin_ctzll(mantissa) + decimals + 1 == -binaryExponent;
}

// The magnitude with the given decimals, rounded half away from zero, right-justified
// in width (longer when it does not fit). Decimals past the 18th are zeros.
QString renderMagnitude(double magnitude, int width, int decimals) {
  const int rendered = std::min(decimals, kMaxRenderedDecimals);
  if (isExactTie(magnitude, rendered)) magnitude = std::nextafter(magnitude, HUGE_VAL);
  const int size = std::snprintf(nullptr, 0, "%.*f", rendered, magnitude);
  std::vector<char> buffer(std::size_t(size) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%.*f", rendered, magnitude);
  QString text = QString::fromLatin1(buffer.data(), size) + QString(decimals - rendered, QLatin1Char('0'));
  return text.rightJustified(width, QLatin1Char(' '));
}

void markOverflow(QString& mask, const Picture& p, bool negative) {
  for (int i = p.start; i < p.end; ++i) {
    if (isDigitPlace(mask[i])) mask[i] = QLatin1Char('*');
    else if (isSignPlace(mask[i])) mask[i] = signFor(mask[i], negative);
  }
}

// Fills the run from its right end, taking the rendering's characters from its right end.
void fillRun(QString& mask, const Picture& p, const QString& rendering, int leading, bool negative,
             QChar decimalPoint, QChar separator) {
  const int pointIndex = p.decimals > 0 ? int(rendering.size()) - p.decimals - 1 : -1;
  int next = int(rendering.size()) - 1;
  for (int i = p.end - 1; i >= p.start; --i) {
    const QChar c = mask[i];
    // A separator in the part left over before the number is filled like a digit place.
    const bool asDigit = isDigitPlace(c) || (isPointOrSeparator(c) && i < p.decimalPos && next < leading);
    if (isSignPlace(c)) {
      mask[i] = signFor(c, negative);
    } else if (asDigit) {
      if (next == pointIndex) --next; // the mask has a point of its own
      mask[i] = next >= 0 ? rendering[next--] : p.fill;
    } else {
      mask[i] = c == QLatin1Char(',') ? separator : decimalPoint;
    }
  }
}

void formatRun(QString& mask, const Picture& p, double value, const QString& leftCurrency,
               QChar decimalPoint, QChar separator) {
  const bool negative = value < 0;
  // A negative value without a sign place needs a minus of its own, whatever the fill:
  // dropping it would show the amount as positive.
  const bool floatingMinus = negative && !p.fixedSign;
  const int needed = (p.floatingCurrency ? 1 : 0) + (floatingMinus ? 1 : 0);
  QString rendering = renderMagnitude(std::fabs(value), p.width, p.decimals);
  int leading = 0;
  while (leading < rendering.size() && rendering[leading] == QLatin1Char(' ')) ++leading;
  if (!std::isfinite(value) || rendering.size() > p.width || leading < needed) {
    markOverflow(mask, p, negative);
    return;
  }
  for (int i = 0; i < leading; ++i) rendering[i] = p.fill;
  int floating = leading - 1;
  if (p.floatingCurrency) {
    if (!leftCurrency.isEmpty()) rendering[floating] = leftCurrency[0];
    --floating;
  }
  const bool blankFill = p.fill == QLatin1Char(' ');
  if (floatingMinus && blankFill) rendering[floating] = QLatin1Char('-');
  fillRun(mask, p, rendering, leading, negative, decimalPoint, separator);
  // With zero or star fill the minus goes first, ahead of the fill characters.
  if (floatingMinus && !blankFill) mask[p.start] = QLatin1Char('-');
}
} // namespace

QString FormatPicture(const QString& mask, double value, const QString& leftCurrency,
                      const QString& rightCurrency, bool integerMode, QChar decimalPoint,
                      QChar separator) {
  QString work = mask.left(ShortStrMax);
  if (!integerMode && !work.contains(QLatin1Char('.'))) integerMode = true;
  // Integer mode formats through a point of its own at the end, removed again below.
  const bool pointAppended = integerMode && !work.isEmpty() && work.size() < ShortStrMax;
  if (pointAppended) work += QLatin1Char('.');
  const int rightCount = int(work.count(QLatin1Char('C')));
  const int leftCount = int(work.count(QLatin1Char('c')));
  work.remove(QLatin1Char('C')).remove(QLatin1Char('c'));
  const Picture picture = findPicture(work, integerMode);
  if (picture.start < picture.end) formatRun(work, picture, value, leftCurrency, decimalPoint, separator);
  if (pointAppended) work.chop(1);
  if (rightCount > 0) work += rightCurrency.left(rightCount).rightJustified(rightCount, QLatin1Char(' '));
  if (leftCount > 0) work.prepend(leftCurrency.left(leftCount).leftJustified(leftCount, QLatin1Char(' ')));
  return work.left(ShortStrMax);
}

QString FormatIntPicture(const QString& mask, int32_t value, const QString& leftCurrency,
                         const QString& rightCurrency, QChar separator) {
  return FormatPicture(mask, double(value), leftCurrency, rightCurrency, true, QLatin1Char('.'), separator);
}

QString FormatFloatPicture(const QString& mask, double value, const QString& leftCurrency,
                           const QString& rightCurrency, QChar separator, QChar decimalPoint) {
  return FormatPicture(mask, value, leftCurrency, rightCurrency, false, decimalPoint, separator);
}
