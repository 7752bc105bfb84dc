#include "SynthOptions.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthReportKinds.h"

#include <QCommandLineParser>

namespace {
qint64 Number(const QString& option, const QString& value, qint64 min) {
  bool ok = false;
  const qint64 n = value.toLongLong(&ok);
  if (!ok || n < min)
    throw SynthUsageError(QStringLiteral("--%1 needs a number of at least %2, not \"%3\"").arg(option).arg(min).arg(value));
  return n;
}

// "N=TEXT" pairs of --name and --job-name.
QMap<int, QString> Names(const QString& option, const QStringList& values) {
  QMap<int, QString> names;
  for (const QString& item : values) {
    const qsizetype eq = item.indexOf(QLatin1Char('='));
    if (eq <= 0) throw SynthUsageError(QStringLiteral("--%1 takes NUMBER=TEXT, not \"%2\"").arg(option, item));
    names.insert(int(Number(option, item.left(eq), 0)), item.mid(eq + 1));
  }
  return names;
}
void Cutting(const QCommandLineParser& parser, SynthJournal::Cutting& cutting) {
  if (parser.isSet(QStringLiteral("cut")) && parser.isSet(QStringLiteral("cut-at")))
    throw SynthUsageError(QStringLiteral("Give --cut or --cut-at, not both"));
  if (parser.isSet(QStringLiteral("cut")))
    cutting.size = int(Number(QStringLiteral("cut"), parser.value(QStringLiteral("cut")), 1));
  if (parser.isSet(QStringLiteral("cut-at")))
    for (const QString& point : parser.value(QStringLiteral("cut-at")).split(QLatin1Char(',')))
      cutting.at << int(Number(QStringLiteral("cut-at"), point.trimmed(), 1));
  if (parser.isSet(QStringLiteral("marker-pad")))
    cutting.markerPad = int(Number(QStringLiteral("marker-pad"), parser.value(QStringLiteral("marker-pad")), 0));
  const QString markers = parser.value(QStringLiteral("markers"));
  using M = SynthJournal::Markers;
  if (markers.isEmpty() || markers == QLatin1String("last")) cutting.markers = M::Last;
  else if (markers == QLatin1String("boundaries")) cutting.markers = M::Boundaries;
  else if (markers == QLatin1String("none")) cutting.markers = M::None;
  else throw SynthUsageError(QStringLiteral("--markers takes last, boundaries or none, not \"%1\"").arg(markers));
}
} // namespace

SynthOptions SynthOptions::Parse(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Writes a CRS 3000 register's answer to a report read, from seeded or chosen values: as a work file, as a "
      "crs-sim fixture, and as the rows a decoder must store."));
  parser.addHelpOption();
  parser.addOptions({
      {QStringLiteral("report"), QStringLiteral("The report: %1.").arg(SynthReportKinds::Names().join(QStringLiteral(", "))), QStringLiteral("name")},
      {QStringLiteral("records"), QStringLiteral("How many records (default: one more than a block holds; financial: 1)."), QStringLiteral("n")},
      {QStringLiteral("seed"), QStringLiteral("Seed of the generated values (default 1)."), QStringLiteral("s"), QStringLiteral("1")},
      {QStringLiteral("per-block"), QStringLiteral("Records a data block (default: as many as it holds)."), QStringLiteral("n"), QStringLiteral("0")},
      {QStringLiteral("set"), QStringLiteral("Choose a value: [record:]column=value, e.g. 2:Total=-15.00 or Receipts:Gross Sales Total=1.00 (repeatable)."), QStringLiteral("value")},
      {QStringLiteral("header"), QStringLiteral("Choose a poll header value, e.g. \"Z Counter=65535\" (repeatable)."), QStringLiteral("value")},
      {QStringLiteral("name"), QStringLiteral("The name of a number (coupon, employee): N=TEXT (repeatable; others are Undefined)."), QStringLiteral("pair")},
      {QStringLiteral("code"), QStringLiteral("PLU: the code of named PLU memory N; special item stock: the PLU memory of item N: N=VALUE (repeatable)."), QStringLiteral("pair")},
      {QStringLiteral("job-name"), QStringLiteral("The name of a job code: N=TEXT (repeatable)."), QStringLiteral("pair")},
      {QStringLiteral("patch"), QStringLiteral("Write bytes over a block's data, or past its end: block:offset=hex, e.g. 2:0=FF FF (block 1 is the poll header; repeatable)."), QStringLiteral("patch")},
      {QStringLiteral("cut"), QStringLiteral("Journal: stream bytes a data block (default 4080)."), QStringLiteral("bytes")},
      {QStringLiteral("cut-at"), QStringLiteral("Journal: the stream offsets where data blocks end, e.g. 37,120 (in place of --cut)."), QStringLiteral("offsets")},
      {QStringLiteral("markers"), QStringLiteral("Journal: end markers after the last block's items (last, the default), after every block that ends between items (boundaries), or none."), QStringLiteral("where")},
      {QStringLiteral("marker-pad"), QStringLiteral("Journal: filler bytes after each end marker (0 to 16, default 2)."), QStringLiteral("n")},
      {QStringLiteral("work"), QStringLiteral("Write the answer as a work file."), QStringLiteral("file")},
      {QStringLiteral("fixture"), QStringLiteral("Write the answer into a crs-sim fixture folder (reports/<code>.ecr)."), QStringLiteral("folder")},
      {QStringLiteral("expect"), QStringLiteral("Write the expected rows here (default: standard output)."), QStringLiteral("file")},
      {QStringLiteral("read"), QStringLiteral("Read this work file of the report back and print the rows it stands for (--name and --job-name apply)."), QStringLiteral("file")},
  });
  if (!parser.parse(arguments)) throw SynthUsageError(parser.errorText());
  SynthOptions options;
  options.help = parser.isSet(QStringLiteral("help"));
  options.helpText = parser.helpText();
  if (options.help) return options;
  if (!parser.positionalArguments().isEmpty())
    throw SynthUsageError(QStringLiteral("Unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
  if (!parser.isSet(QStringLiteral("report"))) throw SynthUsageError(QStringLiteral("Give the report with --report NAME"));
  SynthRequest& request = options.request;
  request.report = SynthReportKinds::Find(parser.value(QStringLiteral("report"))).name;
  if (parser.isSet(QStringLiteral("records")))
    request.records = int(Number(QStringLiteral("records"), parser.value(QStringLiteral("records")), 0));
  request.seed = quint64(Number(QStringLiteral("seed"), parser.value(QStringLiteral("seed")), 0));
  request.perBlock = int(Number(QStringLiteral("per-block"), parser.value(QStringLiteral("per-block")), 0));
  for (const QString& text : parser.values(QStringLiteral("set"))) request.overrides << SynthOverride::Parse(text);
  for (const QString& text : parser.values(QStringLiteral("header"))) {
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0) throw SynthUsageError(QStringLiteral("--header takes FIELD=VALUE, not \"%1\"").arg(text));
    request.header.append({text.left(eq), text.mid(eq + 1)});
  }
  for (const QString& text : parser.values(QStringLiteral("patch"))) request.patches << SynthPatch::Parse(text);
  request.names = Names(QStringLiteral("name"), parser.values(QStringLiteral("name")));
  request.jobNames = Names(QStringLiteral("job-name"), parser.values(QStringLiteral("job-name")));
  for (auto [number, value] : Names(QStringLiteral("code"), parser.values(QStringLiteral("code"))).asKeyValueRange())
    request.codes.insert(number, Number(QStringLiteral("code"), value, 0));
  Cutting(parser, request.cutting);
  options.workFile = parser.value(QStringLiteral("work"));
  options.fixtureDir = parser.value(QStringLiteral("fixture"));
  options.expectFile = parser.value(QStringLiteral("expect"));
  options.readFile = parser.value(QStringLiteral("read"));
  if (!options.readFile.isEmpty() && (!options.workFile.isEmpty() || !options.fixtureDir.isEmpty()))
    throw SynthUsageError(QStringLiteral("--read writes no work file or fixture"));
  return options;
}
