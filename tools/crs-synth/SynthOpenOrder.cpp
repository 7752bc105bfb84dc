#include "crs-synth/SynthOpenOrder.h"

#include "crs-synth/SynthBcd.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthRandom.h"
#include "crs-synth/SynthText.h"

namespace {
using Shape = SynthOpenOrder::Shape;
constexpr int kCheckWidth = 7;
constexpr int kTableWidth = 4;
constexpr int kCashierWidth = 12;
constexpr qint64 kMostCheck = 32767; // a short integer column

int TrackingWidth(Shape shape) { return shape == Shape::Track12V4 ? 8 : 7; }
// Where the cashier, time and balance start.
int RestAt(Shape shape) { return shape == Shape::Track3 ? 11 : TrackingWidth(shape) + 2; }

QString RandomText(SynthRandom& random, int width) {
  static const QString chars = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789<>#-");
  QString text;
  const int length = int(random.Below(quint64(width) + 1));
  for (int i = 0; i < length; ++i) text.append(chars[qsizetype(random.Below(quint64(chars.size())))]);
  return text;
}

qint64 Hhmm(int minutes) { return minutes / 60 * 100 + minutes % 60; }
int Minutes(qint64 hhmm) { return int(hhmm / 100 * 60 + hhmm % 100); }

QByteArray Digits(qint64 value, int width) {
  if (value < 0) return QByteArray(width, ' ');
  return QString::number(value).rightJustified(width, QLatin1Char('0')).toLatin1();
}

qint64 Number(const QString& column, const QString& value, qint64 most) {
  if (value.trimmed().isEmpty()) return -1;
  const qint64 n = SynthValue::Parse(SynthValue::Kind::Integer, value, column).number;
  if (n < 0 || n > most) throw SynthValueError(QStringLiteral("%1 holds 0 to %2, not %3").arg(column).arg(most).arg(n));
  return n;
}
} // namespace

int SynthOpenOrder::Size(Shape shape) { return RestAt(shape) + kCashierWidth + 2 + 6; }

SynthOpenOrder SynthOpenOrder::Generate(SynthRandom& random, Shape shape) {
  SynthOpenOrder o;
  switch (random.Below(4)) {
  case 0: break; // none
  case 1: o.tracking = QStringLiteral("T<1>"); break; // one that several orders share
  default: o.tracking = RandomText(random, TrackingWidth(shape));
  }
  o.check = random.Below(5) ? qint64(random.Below(kMostCheck + 1)) : -1;
  o.table = qint64(random.Below(10000));
  o.order = int(random.UnsignedValue(4));
  o.cashier = RandomText(random, kCashierWidth);
  o.time = int(random.Below(24 * 60));
  o.balance = random.SignedValue(11);
  return o;
}

void SynthOpenOrder::Set(const QString& column, const QString& value, Shape shape) {
  using K = SynthValue::Kind;
  const bool track3 = shape == Shape::Track3;
  if (column == QLatin1String("Tracking Number") && !track3) {
    SynthText::Encode(value, TrackingWidth(shape));
    tracking = value;
  } else if (column == QLatin1String("Check") && track3) {
    check = Number(column, value, kMostCheck);
  } else if (column == QLatin1String("Table") && track3) {
    table = Number(column, value, 9999);
  } else if (column == QLatin1String("Order") && !track3) {
    const qint64 n = SynthValue::Parse(K::Integer, value, column).number;
    SynthBcd::Unsigned(n, 2);
    order = int(n);
  } else if (column == QLatin1String("Cashier")) {
    SynthText::Encode(value, kCashierWidth);
    cashier = value;
  } else if (column == QLatin1String("Time")) {
    time = int(SynthValue::Parse(K::Time, value, column).number);
  } else if (column == QLatin1String("Balance")) {
    const qint64 cents = SynthValue::Parse(K::Money, value, column).number;
    SynthBcd::Signed(cents, 6);
    balance = cents;
  } else {
    throw SynthValueError(QStringLiteral("No column \"%1\" in an open order of this track").arg(column));
  }
}

QByteArray SynthOpenOrder::Encode(Shape shape) const {
  QByteArray bytes = shape == Shape::Track3
                         ? Digits(check, kCheckWidth) + Digits(table, kTableWidth)
                         : SynthText::Encode(tracking, TrackingWidth(shape)) + SynthBcd::Unsigned(order, 2);
  bytes += SynthText::Encode(cashier, kCashierWidth);
  bytes += SynthBcd::Unsigned(Hhmm(time), 2);
  bytes += SynthBcd::Signed(balance, 6);
  return bytes;
}

SynthOpenOrder SynthOpenOrder::Decode(const QByteArray& bytes, qsizetype at, Shape shape) {
  SynthOpenOrder o;
  if (shape == Shape::Track3) {
    const QString check = QString::fromLatin1(bytes.mid(at, kCheckWidth)).trimmed();
    const QString table = QString::fromLatin1(bytes.mid(at + kCheckWidth, kTableWidth)).trimmed();
    o.check = check.isEmpty() ? -1 : check.toLongLong();
    o.table = table.isEmpty() ? -1 : table.toLongLong();
  } else {
    o.tracking = SynthText::Decode(bytes, at, TrackingWidth(shape));
    o.order = int(SynthBcd::ReadUnsigned(bytes, at + TrackingWidth(shape), 2));
  }
  const qsizetype rest = at + RestAt(shape);
  o.cashier = SynthText::Decode(bytes, rest, kCashierWidth);
  o.time = Minutes(SynthBcd::ReadUnsigned(bytes, rest + kCashierWidth, 2));
  o.balance = SynthBcd::ReadSigned(bytes, rest + kCashierWidth + 2, 6);
  return o;
}

SynthRow SynthOpenOrder::Row(Shape shape, int track, int number) const {
  SynthRow row;
  const auto orNull = [](qint64 n) { return n < 0 ? SynthValue::Null() : SynthValue::Integer(n); };
  if (shape == Shape::Track3) {
    row.Add(QStringLiteral("Memory Number"), SynthValue::Integer(number));
    row.Add(QStringLiteral("Check"), orNull(check));
    row.Add(QStringLiteral("Table"), orNull(table));
  } else {
    row.Add(QStringLiteral("Tracking Number"), SynthValue::Text(tracking));
    row.Add(QStringLiteral("Track"), SynthValue::Integer(track));
    row.Add(QStringLiteral("Memory Number"), SynthValue::Integer(number));
    row.Add(QStringLiteral("Order"), SynthValue::Integer(order));
  }
  row.Add(QStringLiteral("Cashier"), SynthValue::Text(cashier));
  row.Add(QStringLiteral("Time"), SynthValue::Minutes(time));
  row.Add(QStringLiteral("Balance"), SynthValue::Cents(balance));
  return row;
}
