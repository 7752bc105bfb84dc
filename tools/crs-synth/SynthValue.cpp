#include "crs-synth/SynthValue.h"

#include "crs-synth/SynthErrors.h"

#include <QRegularExpression>

QString SynthValue::Format() const {
  switch (kind) {
  case Kind::Integer:
    return QString::number(number);
  case Kind::Money: {
    const qint64 magnitude = number < 0 ? -number : number;
    return QStringLiteral("%1%2.%3")
        .arg(number < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
  }
  case Kind::Time:
    return QStringLiteral("%1:%2").arg(number / 60, 2, 10, QLatin1Char('0')).arg(number % 60, 2, 10, QLatin1Char('0'));
  case Kind::Logical:
    return number ? QStringLiteral("true") : QStringLiteral("false");
  case Kind::Text:
    return text;
  case Kind::Null:
    break;
  }
  return QStringLiteral("\\N");
}

SynthValue SynthValue::Parse(Kind kind, const QString& text, const QString& column) {
  const auto bad = [&](const char* what) {
    return SynthValueError(QStringLiteral("%1 takes %2, not \"%3\"").arg(column, QLatin1String(what), text));
  };
  switch (kind) {
  case Kind::Integer: {
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok) throw bad("a whole number");
    return Integer(n);
  }
  case Kind::Money: {
    static const QRegularExpression money(QStringLiteral("^(-?)(\\d{1,12})(?:\\.(\\d{1,2}))?$"));
    const QRegularExpressionMatch m = money.match(text);
    if (!m.hasMatch()) throw bad("an amount such as -15.00");
    const QString cents = m.captured(3).leftJustified(2, QLatin1Char('0'));
    const qint64 magnitude = m.captured(2).toLongLong() * 100 + cents.toLongLong();
    return Cents(m.captured(1).isEmpty() ? magnitude : -magnitude);
  }
  case Kind::Time: {
    static const QRegularExpression time(QStringLiteral("^(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch m = time.match(text);
    if (!m.hasMatch() || m.captured(1).toInt() > 23 || m.captured(2).toInt() > 59) throw bad("a time of day HH:MM");
    return Minutes(m.captured(1).toInt() * 60 + m.captured(2).toInt());
  }
  case Kind::Logical:
    if (text == QLatin1String("true")) return Logical(true);
    if (text == QLatin1String("false")) return Logical(false);
    throw bad("true or false");
  case Kind::Text:
    return Text(text);
  case Kind::Null:
    break;
  }
  throw bad("no value");
}
