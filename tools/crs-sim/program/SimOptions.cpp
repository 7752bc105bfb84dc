#include "SimOptions.h"

#include "crs-sim/SimErrors.h"

#include <QCommandLineParser>

namespace {
int Number(const QString& option, const QString& value, int min) {
  bool ok = false;
  const int n = value.toInt(&ok);
  if (!ok || n < min) throw SimError(QStringLiteral("--%1 needs a number of at least %2, not \"%3\"").arg(option).arg(min).arg(value));
  return n;
}

QList<int> StatusScript(const QString& text) {
  QList<int> nibbles;
  for (const QString& item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int n = item.trimmed().toInt(&ok, 16);
    if (!ok || n < 0 || n > 15) throw SimError(QStringLiteral("--status takes hex digits 0 to F, not \"%1\"").arg(item));
    nibbles.append(n);
  }
  return nibbles;
}
} // namespace

SimOptions SimOptions::Parse(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("A simulated CRS 3000 register on a serial line."));
  parser.addHelpOption();
  parser.addOptions({
      {QStringLiteral("device"), QStringLiteral("Serve this serial device or pseudo-terminal."), QStringLiteral("path")},
      {QStringLiteral("pty"), QStringLiteral("Make a pseudo-terminal, print its path, serve it.")},
      {QStringLiteral("baud"), QStringLiteral("Pace output at this rate, 10 bits a character (0: no pacing)."), QStringLiteral("rate"), QStringLiteral("0")},
      {QStringLiteral("fixtures"), QStringLiteral("Folder with programs/<code>.ecr and reports/<code>.ecr (default: built in)."), QStringLiteral("folder")},
      {QStringLiteral("store"), QStringLiteral("Answer only this store number (default: any)."), QStringLiteral("number")},
      {QStringLiteral("fault"), QStringLiteral("Inject a fault, e.g. badcrc:cmd=D0,frame=2 (repeatable)."), QStringLiteral("spec")},
      {QStringLiteral("status"), QStringLiteral("Answers to the coming status checks, e.g. 1,1,6."), QStringLiteral("nibbles")},
      {QStringLiteral("lost-ack-ms"), QStringLiteral("How long the register waits before sending a block whose ACK was lost."), QStringLiteral("ms"), QStringLiteral("1000")},
  });
  if (!parser.parse(arguments)) throw SimError(parser.errorText());
  SimOptions options;
  options.help = parser.isSet(QStringLiteral("help"));
  options.helpText = parser.helpText();
  if (options.help) return options;
  options.device = parser.value(QStringLiteral("device"));
  options.pty = parser.isSet(QStringLiteral("pty"));
  if (options.pty == !options.device.isEmpty()) throw SimError(QStringLiteral("Give either --device PATH or --pty"));
  if (!parser.positionalArguments().isEmpty())
    throw SimError(QStringLiteral("Unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
  options.config.baud = Number(QStringLiteral("baud"), parser.value(QStringLiteral("baud")), 0);
  options.config.lostAckResendMs = Number(QStringLiteral("lost-ack-ms"), parser.value(QStringLiteral("lost-ack-ms")), 0);
  if (parser.isSet(QStringLiteral("fixtures"))) options.config.fixtureDir = parser.value(QStringLiteral("fixtures"));
  if (parser.isSet(QStringLiteral("store"))) {
    options.config.storeNumber = Number(QStringLiteral("store"), parser.value(QStringLiteral("store")), 0);
    if (options.config.storeNumber > 9999) throw SimError(QStringLiteral("--store takes 0 to 9999"));
  }
  for (const QString& spec : parser.values(QStringLiteral("fault"))) options.faults.append(SimFault::Parse(spec));
  options.status = StatusScript(parser.value(QStringLiteral("status")));
  return options;
}
