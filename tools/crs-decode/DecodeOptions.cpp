#include "DecodeOptions.h"

#include "crs3000/Crs3000RomVersions.h"

#include <QCommandLineParser>

namespace {
const char kDescription[] =
    "Decodes a report's work file (a block file as a poll leaves it) with a report class of a\n"
    "CRS 3000 driver and saves the poll into a data folder, as the program saves a poll it\n"
    "read: all or nothing. Prints the new Poll Ids with the rows each stored.\n"
    "\n"
    "  crs-decode --rom 3.02 --report Coupon --work FILE --data DIR\n"
    "  crs-decode --rom 3.02 --report tEcrRptCrs3000Coupon --work FILE --dry-run\n"
    "\n"
    "A dry run saves into a temporary folder and prints every row as text instead: the\n"
    "column names, then one line a row, tab-separated.\n"
    "Exit status: 0 the poll was saved; 1 it was not (the reason goes to standard error);\n"
    "2 a bad command line.";

QString Required(const QCommandLineParser& parser, const char* name) {
  const QString value = parser.value(QLatin1String(name));
  if (!parser.isSet(QLatin1String(name)) || value.trimmed().isEmpty())
    throw EDecodeUsage(QStringLiteral("--%1 is required").arg(QLatin1String(name)));
  return value;
}
} // namespace

QString RomClassOf(const QString& option, const QString& value) {
  QStringList known;
  for (const Crs3000RomVersion& rom : Crs3000RomVersions::All()) {
    const QString version = rom.RomName.section(QLatin1Char(' '), 0, 0);
    if (value == version || value.compare(rom.ClassName, Qt::CaseInsensitive) == 0) return rom.ClassName;
    known << version;
  }
  throw EDecodeUsage(QStringLiteral("--%1 takes one of %2, not \"%3\"").arg(option, known.join(QLatin1String(", ")), value));
}

DecodeOptions DecodeOptions::Parse(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromLatin1(kDescription));
  parser.addHelpOption();
  parser.addOptions({
      {QStringLiteral("rom"), QStringLiteral("The register's ROM version, e.g. 3.02, or its driver class."), QStringLiteral("version")},
      {QStringLiteral("report"), QStringLiteral("The report class or report name, e.g. Coupon."), QStringLiteral("name")},
      {QStringLiteral("work"), QStringLiteral("The work file of the poll."), QStringLiteral("file")},
      {QStringLiteral("data"), QStringLiteral("The data folder the poll is saved into (made when missing)."), QStringLiteral("folder")},
      {QStringLiteral("dry-run"), QStringLiteral("Save into a temporary folder and print the rows instead.")},
      {QStringLiteral("machine"), QStringLiteral("The Machine Id the poll is stored under (default crs-decode)."), QStringLiteral("id")},
      {QStringLiteral("store"), QStringLiteral("The store number of the machine (default 1)."), QStringLiteral("number")},
  });
  if (!parser.parse(arguments)) throw EDecodeUsage(parser.errorText());
  DecodeOptions options;
  options.help = parser.isSet(QStringLiteral("help"));
  options.helpText = parser.helpText();
  if (options.help) return options;
  if (!parser.positionalArguments().isEmpty())
    throw EDecodeUsage(QStringLiteral("Unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
  options.romClass = RomClassOf(QStringLiteral("rom"), Required(parser, "rom"));
  options.report = Required(parser, "report").trimmed();
  options.workFile = Required(parser, "work");
  options.dryRun = parser.isSet(QStringLiteral("dry-run"));
  if (options.dryRun == parser.isSet(QStringLiteral("data"))) throw EDecodeUsage(QStringLiteral("Give either --data FOLDER or --dry-run"));
  if (!options.dryRun) options.dataDir = Required(parser, "data");
  if (parser.isSet(QStringLiteral("machine"))) options.machineId = Required(parser, "machine");
  if (parser.isSet(QStringLiteral("store"))) {
    bool ok = false;
    options.storeNumber = parser.value(QStringLiteral("store")).toInt(&ok);
    if (!ok || options.storeNumber < 0)
      throw EDecodeUsage(QStringLiteral("--store takes a number from 0, not \"%1\"").arg(parser.value(QStringLiteral("store"))));
  }
  return options;
}
