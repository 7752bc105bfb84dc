#include "crs-sim/SimFault.h"

#include "crs-sim/SimCommand.h"
#include "crs-sim/SimErrors.h"

#include <QStringList>

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<SimFaultKind, const char*>, 8> kKinds{{
    {SimFaultKind::BadCrc, "badcrc"},
    {SimFaultKind::Nak, "nak"},
    {SimFaultKind::Silence, "silence"},
    {SimFaultKind::LostAck, "lostack"},
    {SimFaultKind::SkipBlock, "skip"},
    {SimFaultKind::ErrorBlock, "error"},
    {SimFaultKind::EarlyEot, "eot"},
    {SimFaultKind::AckAnswer, "ack"},
}};

[[noreturn]] void Bad(const QString& text, const QString& why) {
  throw SimFaultSyntaxError(QStringLiteral("Bad fault \"%1\": %2").arg(text, why));
}

int Number(const QString& text, const QString& value, int base, int min, int max) {
  bool ok = false;
  const int n = value.toInt(&ok, base);
  if (!ok || n < min || n > max) Bad(text, QStringLiteral("\"%1\" is not a number from %2 to %3").arg(value).arg(min).arg(max));
  return n;
}

void ApplyOption(SimFault& fault, const QString& text, const QString& option) {
  const QString key = option.section(QLatin1Char('='), 0, 0).trimmed().toLower();
  const QString value = option.section(QLatin1Char('='), 1).trimmed().toLower();
  if (key == QLatin1String("forever") && value.isEmpty()) {
    fault.frame = SimFault::Any;
    fault.times = SimFault::Forever;
  } else if (key == QLatin1String("cmd")) {
    fault.command = quint8(Number(text, value, 16, 0, 0xFF));
  } else if (key == QLatin1String("n")) {
    fault.occurrence = Number(text, value, 10, 1, 1000000);
  } else if (key == QLatin1String("frame")) {
    fault.frame = value == QLatin1String("any") ? SimFault::Any : Number(text, value, 10, 1, 100000);
  } else if (key == QLatin1String("times")) {
    fault.times = value == QLatin1String("forever") ? SimFault::Forever : Number(text, value, 10, 1, 1000000);
  } else if (key == QLatin1String("code")) {
    fault.errorCode = quint8(Number(text, value, 10, 0, 255));
  } else {
    Bad(text, QStringLiteral("unknown option \"%1\"").arg(option));
  }
}
} // namespace

SimFault SimFault::Parse(const QString& text) {
  const QString kind = text.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
  SimFault fault;
  bool known = false;
  for (const auto& [k, name] : kKinds)
    if (kind == QLatin1String(name)) {
      fault.kind = k;
      known = true;
    }
  if (!known) Bad(text, QStringLiteral("unknown kind \"%1\"").arg(kind));
  const QString options = text.section(QLatin1Char(':'), 1);
  for (const QString& option : options.split(QLatin1Char(','), Qt::SkipEmptyParts)) ApplyOption(fault, text, option);
  if (fault.command != 0 && !SimCommand::IsCommandCode(fault.command))
    Bad(text, QStringLiteral("cmd must be a command byte: A0, B0, C0, C1, D0, E0 or F0"));
  return fault;
}

QString SimFault::KindName(SimFaultKind kind) {
  for (const auto& [k, name] : kKinds)
    if (k == kind) return QLatin1String(name);
  return QString();
}

QString SimFault::Describe() const {
  QStringList parts{KindName(kind)};
  parts << (command ? QStringLiteral("cmd ") + QStringLiteral("%1").arg(command, 2, 16, QLatin1Char('0')).toUpper()
                    : QStringLiteral("any command"));
  if (occurrence != Any) parts << QStringLiteral("occurrence %1").arg(occurrence);
  parts << (frame == Any ? QStringLiteral("any frame") : QStringLiteral("frame %1").arg(frame));
  parts << (times == Forever ? QStringLiteral("forever") : QStringLiteral("%1 time(s)").arg(times));
  if (kind == SimFaultKind::ErrorBlock) parts << QStringLiteral("code %1").arg(errorCode);
  return parts.join(QStringLiteral(", "));
}
