#include "PollOptions.h"

#include "comm/link/ComPortPaths.h"
#include "crs3000/Crs3000RomVersions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {
const char kDescription[] =
    "Runs one action against a CRS 3000 register through the system's protocol module and\n"
    "serial line, and prints its progress lines as they come.\n"
    "\n"
    "Actions (exactly one):\n"
    "  --logon                  receive the memory allocation and show the table sizes\n"
    "  --receive CODE           receive program CODE; its blocks stay in the work file\n"
    "  --send FILE --program CODE\n"
    "                           send the block file FILE (blocks numbered 1..N) as program CODE\n"
    "  --report CODE            read report CODE; its blocks stay in the work file\n"
    "\n"
    "With --data a report read is decoded and saved into that data folder by the driver's\n"
    "report of that code, as the program saves a poll, and the new Poll Ids are printed.\n"
    "\n"
    "The work file is <work-dir>/crs-pollWORKFILE1.ECR. Exit status: 0 the action succeeded;\n"
    "1 it failed (the reason goes to standard error); 2 a bad command line; 3 the line or the\n"
    "register could not be set up.";

struct Parsed {
  QCommandLineParser& parser;
  bool Has(const char* name) const { return parser.isSet(QLatin1String(name)); }
  QString Value(const char* name) const { return parser.value(QLatin1String(name)); }
};

int Number(const QString& option, const QString& value, int min, int max) {
  bool ok = false;
  const int n = value.trimmed().toInt(&ok);
  if (!ok || n < min || n > max)
    throw EPollUsage(QStringLiteral("--%1 takes a number from %2 to %3, not \"%4\"").arg(option).arg(min).arg(max).arg(value));
  return n;
}

template <class T> T Choice(const QString& option, const QString& value, std::initializer_list<std::pair<const char*, T>> choices) {
  QStringList names;
  for (const auto& [name, result] : choices) {
    if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return result;
    names << QLatin1String(name);
  }
  throw EPollUsage(QStringLiteral("--%1 takes %2, not \"%3\"").arg(option, names.join(QLatin1String(" or ")), value));
}

int ComNumber(const QString& value) {
  static const QRegularExpression name(QStringLiteral("^(?:COM)?(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = name.match(value.trimmed());
  const int n = match.hasMatch() ? match.captured(1).toInt() : 0;
  if (n < 1 || n > kSclHighestPort)
    throw EPollUsage(QStringLiteral("--port takes COM1 to COM%1, not \"%2\"").arg(kSclHighestPort).arg(value));
  return n;
}

QString RomClass(const QString& value) {
  QStringList known;
  for (const Crs3000RomVersion& rom : Crs3000RomVersions::All()) {
    const QString version = rom.RomName.section(QLatin1Char(' '), 0, 0);
    if (value == version || value.compare(rom.ClassName, Qt::CaseInsensitive) == 0) return rom.ClassName;
    known << version;
  }
  throw EPollUsage(QStringLiteral("--rom takes one of %1, not \"%2\"").arg(known.join(QLatin1String(", ")), value));
}

void ParseAction(const Parsed& p, PollOptions& options) {
  const int given = int(p.Has("logon")) + int(p.Has("receive")) + int(p.Has("send")) + int(p.Has("report"));
  if (given != 1) throw EPollUsage(QStringLiteral("Give exactly one action: --logon, --receive, --send or --report"));
  if (p.Has("program") && !p.Has("send")) throw EPollUsage(QStringLiteral("--program goes with --send"));
  if (p.Has("logon")) {
    options.action = PollOptions::Action::Logon;
  } else if (p.Has("receive")) {
    options.action = PollOptions::Action::Receive;
    options.code = Number(QStringLiteral("receive"), p.Value("receive"), 1, 255);
  } else if (p.Has("send")) {
    options.action = PollOptions::Action::Send;
    options.blockFile = p.Value("send");
    if (!p.Has("program")) throw EPollUsage(QStringLiteral("--send needs --program CODE"));
    options.code = Number(QStringLiteral("program"), p.Value("program"), 1, 255);
  } else {
    options.action = PollOptions::Action::Report;
    options.code = Number(QStringLiteral("report"), p.Value("report"), 1, 255);
  }
}

void ParseReportParams(const Parsed& p, PollOptions& options) {
  const bool any = p.Has("mode") || p.Has("area") || p.Has("print") || p.Has("registers") || p.Has("sub");
  if (any && options.action != PollOptions::Action::Report)
    throw EPollUsage(QStringLiteral("--mode, --area, --print, --registers and --sub go with --report"));
  if (p.Has("area")) options.params[1] = Choice<int>(QStringLiteral("area"), p.Value("area"), {{"daily", 0}, {"periodic", 1}});
  options.params[2] = p.Has("print") ? 1 : 0;
  if (p.Has("registers")) {
    static const QRegularExpression range(QStringLiteral("^(\\d+)(?:-(\\d+))?$"));
    const QRegularExpressionMatch match = range.match(p.Value("registers").trimmed());
    if (!match.hasMatch())
      throw EPollUsage(QStringLiteral("--registers takes FIRST-LAST or one register, not \"%1\"").arg(p.Value("registers")));
    options.params[3] = Number(QStringLiteral("registers"), match.captured(1), 0, 99);
    options.params[4] = match.captured(2).isEmpty() ? options.params[3] : Number(QStringLiteral("registers"), match.captured(2), 0, 99);
  }
  if (p.Has("mode")) options.params[5] = Choice<int>(QStringLiteral("mode"), p.Value("mode"), {{"read", 0}, {"reset", 1}});
  if (p.Has("sub")) options.params[6] = Number(QStringLiteral("sub"), p.Value("sub"), 0, 255);
}

void ParseLine(const Parsed& p, PollOptions& options) {
  if (p.Has("device") == p.Has("port")) throw EPollUsage(QStringLiteral("Give either --device PATH or --port COMn"));
  options.device = p.Value("device");
  if (p.Has("port")) options.comNumber = ComNumber(p.Value("port"));
  options.baud = Number(QStringLiteral("baud"), p.Value("baud"), 50, 4000000);
  if (p.Has("data-bits")) options.dataBits = Number(QStringLiteral("data-bits"), p.Value("data-bits"), 5, 8);
  if (p.Has("stop-bits")) options.stopBits = Number(QStringLiteral("stop-bits"), p.Value("stop-bits"), 1, 2);
  if (p.Has("parity"))
    options.parity = Choice<TParity>(QStringLiteral("parity"), p.Value("parity"),
                                     {{"none", pNone}, {"odd", pOdd}, {"even", pEven}, {"mark", pMark}, {"space", pSpace}});
  if (p.Has("flow")) options.rtsFlow = Choice<bool>(QStringLiteral("flow"), p.Value("flow"), {{"rts", true}, {"none", false}});
}

void ParseRun(const Parsed& p, PollOptions& options) {
  if (p.Has("store")) options.storeNumber = Number(QStringLiteral("store"), p.Value("store"), 0, 2147483647);
  if (p.Has("rom")) options.romClass = RomClass(p.Value("rom"));
  options.workDir = p.Value("work-dir");
  if (p.Has("data")) {
    if (options.action != PollOptions::Action::Report) throw EPollUsage(QStringLiteral("--data goes with --report"));
    options.dataDir = p.Value("data");
    if (options.dataDir.trimmed().isEmpty()) throw EPollUsage(QStringLiteral("--data takes a folder"));
  }
  if (p.Has("timing-scale")) {
    bool ok = false;
    options.timingScale = p.Value("timing-scale").toDouble(&ok);
    if (!ok || !(options.timingScale > 0) || options.timingScale > 100)
      throw EPollUsage(QStringLiteral("--timing-scale takes a factor above 0 and up to 100, not \"%1\"").arg(p.Value("timing-scale")));
  }
}
} // namespace

PollOptions PollOptions::Parse(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromLatin1(kDescription));
  parser.addHelpOption();
  parser.addOptions({
      {QStringLiteral("logon"), QStringLiteral("Log on: receive the memory allocation (program 14).")},
      {QStringLiteral("receive"), QStringLiteral("Receive program CODE (1..255)."), QStringLiteral("code")},
      {QStringLiteral("send"), QStringLiteral("Send the block file FILE as program --program."), QStringLiteral("file")},
      {QStringLiteral("program"), QStringLiteral("The program code (1..255) of --send."), QStringLiteral("code")},
      {QStringLiteral("report"), QStringLiteral("Read report CODE (1..255)."), QStringLiteral("code")},
      {QStringLiteral("mode"), QStringLiteral("Report mode: read (default) or reset (the register's totals are cleared)."), QStringLiteral("mode")},
      {QStringLiteral("area"), QStringLiteral("Report area: daily (default) or periodic."), QStringLiteral("area")},
      {QStringLiteral("print"), QStringLiteral("The register prints the report as it consolidates.")},
      {QStringLiteral("registers"), QStringLiteral("The register range of a report, FIRST-LAST (0..99; default 1-24)."), QStringLiteral("range")},
      {QStringLiteral("sub"), QStringLiteral("Sub-reports: for Time Period (35) the sum of 1 groups, 2 eat in, 4 take out, 8 track 1, 16 track 2; for Time Keeping (81) any other than 0 reads the clock punches."), QStringLiteral("bits")},
      {QStringLiteral("device"), QStringLiteral("The serial device or pseudo-terminal of the line."), QStringLiteral("path")},
      {QStringLiteral("port"), QStringLiteral("The line by its system name, COM1..COM50, through the settings' \"ComPorts\" section."), QStringLiteral("COMn")},
      {QStringLiteral("baud"), QStringLiteral("The line speed (default 9600)."), QStringLiteral("rate"), QStringLiteral("9600")},
      {QStringLiteral("data-bits"), QStringLiteral("Data bits, 5..8 (default: 8, as the protocol sets)."), QStringLiteral("n")},
      {QStringLiteral("parity"), QStringLiteral("none, odd, even, mark or space (default: none, as the protocol sets)."), QStringLiteral("parity")},
      {QStringLiteral("stop-bits"), QStringLiteral("Stop bits, 1 or 2 (default 1)."), QStringLiteral("n")},
      {QStringLiteral("flow"), QStringLiteral("Input handshake: rts (default, as the protocol sets) or none."), QStringLiteral("flow")},
      {QStringLiteral("store"), QStringLiteral("The store number every command carries (default 1)."), QStringLiteral("number")},
      {QStringLiteral("rom"), QStringLiteral("The register's ROM version, e.g. 3.02 (default) or 4.02."), QStringLiteral("version")},
      {QStringLiteral("work-dir"), QStringLiteral("Where the work file and the line's log files go (default: the current folder)."), QStringLiteral("folder")},
      {QStringLiteral("data"), QStringLiteral("Decode a report read and save the poll into this data folder (made when missing)."), QStringLiteral("folder")},
      {QStringLiteral("timing-scale"), QStringLiteral("Multiply every protocol interval by this factor (default 1; for tests)."), QStringLiteral("factor")},
  });
  if (!parser.parse(arguments)) throw EPollUsage(parser.errorText());
  PollOptions options;
  options.help = parser.isSet(QStringLiteral("help"));
  options.helpText = parser.helpText();
  if (options.help) return options;
  if (!parser.positionalArguments().isEmpty())
    throw EPollUsage(QStringLiteral("Unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
  const Parsed p{parser};
  ParseAction(p, options);
  ParseReportParams(p, options);
  ParseLine(p, options);
  ParseRun(p, options);
  return options;
}

QString PollOptions::ActionText() const {
  switch (action) {
  case Action::Logon: return QStringLiteral("logon");
  case Action::Receive: return QStringLiteral("receive program %1").arg(code);
  case Action::Send: return QStringLiteral("send program %1").arg(code);
  case Action::Report: return QStringLiteral("read report %1").arg(code);
  }
  return QString();
}
