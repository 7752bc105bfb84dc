#include "model/PollExport.h"

#include "model/EPollExport.h"
#include "platform/engine/FieldText.h"
#include "platform/engine/TQuery.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/Folders.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"
#include "store/text/TKDBBackup.h"
#include "store/text/TableTextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {
// The poll's row of AllPolls, as the layouts and the consolidated frame use it.
struct PollRow {
  TPollExportValues values;
  QString reportClass;
  TDateTime pollDate;
  QString machineId;
};

std::optional<PollRow> ReadPollRow(const QString& databaseName, qint32 pollId) {
  TQuery query(databaseName);
  query.Exec(QStringLiteral("SELECT \"Store Number\", \"Machine Number\", \"Ecr Date\", \"Z Counter\", \"Report Name\", "
                            "\"Poll Type\", \"Polled Area\", \"EcrRptClass\", \"Poll Date\", \"Machine Id\" "
                            "FROM \"AllPolls\" WHERE \"Poll Id\" = ?"),
             {pollId});
  if (!query.Next()) return std::nullopt;
  PollRow row;
  row.values.storeNumber = query.Value(0).toLongLong();
  row.values.machineNumber = query.Value(1).toLongLong();
  row.values.ecrDate = TDateTime(query.Value(2).toDouble());
  row.values.zCounter = query.Value(3).toLongLong();
  row.values.reportName = query.Value(4).toString();
  row.values.pollType = query.Value(5).toString();
  row.values.polledArea = query.Value(6).toString();
  row.reportClass = query.Value(7).toString();
  row.pollDate = TDateTime(query.Value(8).toDouble());
  row.machineId = query.Value(9).toString();
  return row;
}

QString Field(const QString& text) { return text.isEmpty() ? text : TableTextCodec::QuotedField(text); }
QString ShortDate(TDateTime value) { return FieldText::DateText(value.Days()); }

void AppendLine(const QString& path, const QString& line) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) throw EPollExport(QStringLiteral("File Was Not Opened Correctly"));
  const QByteArray bytes = Cp1252::Encode(line) + "\r\n";
  if (file.write(bytes) != bytes.size()) throw EPollExport(QStringLiteral("File Was Not Written Correctly"));
}

// The consolidated poll's row holds the ranges: report name, first and last date, first
// and last store, first and last machine.
QString FrameLine(const PollRow& row) {
  const TPollExportValues& v = row.values;
  return QStringList{QStringLiteral("!CONSOLIDATED"), Field(v.reportName), ShortDate(row.pollDate), ShortDate(v.ecrDate),
                     Field(row.machineId), QString::number(v.storeNumber), QString::number(v.machineNumber),
                     QString::number(v.zCounter)}
      .join(QLatin1Char(','));
}

// The item layout of format 4 belongs to PLU polls of this one stored class.
bool IsItemPoll(const PollRow& row) {
  return row.reportClass == QLatin1String("tEcrRptSamPLU") && row.values.reportName == QLatin1String("PLU");
}

using Layout = void (TKDBBackup::*)(const QString&, qint32, const TPollExportValues&, const QString&);
Layout LayoutOf(int format, const PollRow& row) {
  static const Layout kLayouts[PollExport::kFormatCount] = {
      &TKDBBackup::ExportPollRows, &TKDBBackup::ExportPollByLocation, &TKDBBackup::ExportPollByReportType,
      &TKDBBackup::ExportPollByArea, &TKDBBackup::ExportPollFoodTrak};
  if (format == 4 && IsItemPoll(row)) return &TKDBBackup::ExportPollFoodTrakItems;
  return kLayouts[format];
}
} // namespace

namespace PollExport {
void CheckFormat(int format) {
  if (format < 0 || format >= kFormatCount)
    throw EPollExport(QStringLiteral("Export format %1 is not one of 0 to 4; nothing was exported.").arg(format));
}

int FormatSetting() {
  using SettingsKeys::ExportFormat::Format;
  const int format =
      OpenSettingsFile(QString::fromLatin1(Format.Section))->ReadInteger(QString::fromLatin1(Format.Key), Format.Default);
  CheckFormat(format);
  return format;
}

QString OpenOutput(const QString& name) {
  const QString path = name.contains(QLatin1Char('/')) ? name : Folders::ExecutableFolder() + QLatin1Char('/') + name;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) throw EPollExport(QStringLiteral("File Was Not Opened Correctly"));
  return path;
}

void WritePoll(const QString& databaseName, const QString& tableName, qint32 pollId, int format, const QString& path,
               Framing framing) {
  CheckFormat(format);
  const std::optional<PollRow> row = ReadPollRow(databaseName, pollId);
  if (!row) return;
  if (framing == Framing::Consolidated) AppendLine(path, FrameLine(*row));
  TKDBBackup backup;
  backup.SetDatabaseName(databaseName);
  (backup.*LayoutOf(format, *row))(tableName, pollId, row->values, path);
  if (framing == Framing::Consolidated) AppendLine(path, QStringLiteral("!ENDCONSOLIDATED"));
}
} // namespace PollExport
