#include "model/PollAutoExport.h"

#include "platform/engine/TQuery.h"
#include "platform/sys/Folders.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/text/TKDBBackup.h"
#include "store/settings/TUtRegIni.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString ExportPath(const QString& name) {
  const QString path = name.contains(QLatin1Char('/')) ? name : Folders::ExecutableFolder() + QLatin1Char('/') + name;
  QDir().mkpath(QFileInfo(path).absolutePath());
  return path;
}

int ExportFormat() {
  using SettingsKeys::ExportFormat::Format;
  return OpenSettingsFile(QString::fromLatin1(Format.Section))->ReadInteger(QString::fromLatin1(Format.Key), Format.Default);
}
} // namespace

namespace PollAutoExport {
void Run(const QString& databaseName, const QString& tableName, qint32 pollId, const QString& exportFile) {
  if (exportFile.isEmpty() || pollId <= 0) return;
  TQuery query(databaseName);
  query.Exec(QStringLiteral("SELECT \"Store Number\", \"Machine Number\", \"Ecr Date\", \"Z Counter\", \"Report Name\", "
                            "\"Poll Type\", \"Polled Area\", \"EcrRptClass\" FROM \"AllPolls\" WHERE \"Poll Id\" = ?"),
             {pollId});
  if (!query.Next()) return;
  TPollExportValues poll;
  poll.storeNumber = query.Value(0).toLongLong();
  poll.machineNumber = query.Value(1).toLongLong();
  poll.ecrDate = TDateTime(query.Value(2).toDouble());
  poll.zCounter = query.Value(3).toLongLong();
  poll.reportName = query.Value(4).toString();
  poll.pollType = query.Value(5).toString();
  poll.polledArea = query.Value(6).toString();
  const bool pluItems = query.Value(7).toString() == QLatin1String("tEcrRptSamPLU") && poll.reportName == QLatin1String("PLU");
  query.Close();

  const QString file = ExportPath(exportFile);
  TKDBBackup backup;
  backup.SetDatabaseName(databaseName);
  switch (ExportFormat()) {
  case 0: backup.ExportPollRows(tableName, pollId, poll, file); break;
  case 1: backup.ExportPollByLocation(tableName, pollId, poll, file); break;
  case 2: backup.ExportPollByReportType(tableName, pollId, poll, file); break;
  case 3: backup.ExportPollByArea(tableName, pollId, poll, file); break;
  case 4:
    if (pluItems)
      backup.ExportPollFoodTrakItems(tableName, pollId, poll, file);
    else
      backup.ExportPollFoodTrak(tableName, pollId, poll, file);
    break;
  default: break;
  }
}
} // namespace PollAutoExport
