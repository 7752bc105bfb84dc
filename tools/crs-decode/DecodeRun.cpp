#include "DecodeRun.h"

#include "PollDataFolder.h"
#include "PollSummary.h"
#include "RptChoice.h"

#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

DecodeRun::DecodeRun(const DecodeOptions& options, std::FILE* out, std::FILE* err) : options_(options), out_(out), err_(err) {}

void DecodeRun::Print(std::FILE* to, const QString& line) const {
  std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), to);
  std::fflush(to);
}

int DecodeRun::Exec() {
  if (!QFileInfo(options_.workFile).isFile()) {
    Print(err_, QStringLiteral("crs-decode: No work file %1").arg(options_.workFile));
    return 1;
  }
  try {
    if (!options_.dryRun) return Decode(options_.dataDir);
    QTemporaryDir temp;
    if (!temp.isValid()) throw EDataFolder(QStringLiteral("Cannot make a temporary folder: %1").arg(temp.errorString()));
    return Decode(temp.path());
  } catch (const ENoDecoder& e) {
    Print(err_, QStringLiteral("crs-decode: ") + e.Message());
    return 2;
  } catch (const Exception& e) {
    Print(err_, QStringLiteral("crs-decode: ") + e.Message());
    return 1;
  }
}

int DecodeRun::Decode(const QString& folder) {
  const PollDataFolder data(folder);
  tMachine machine;
  machine.MachineId = options_.machineId;
  machine.StoreNumber = options_.storeNumber;
  machine.SetEcr(tEcr::New(ClassByName(options_.romClass), &machine));
  tEcr& driver = *machine.Ecr();
  const std::unique_ptr<tEcrRpt> report = RptChoice::ByName(driver, options_.report);
  const PollSummary summary;
  QFile file(options_.workFile);
  try {
    report->ReadBlockFile(file);
  } catch (const Exception& e) {
    Print(err_, QStringLiteral("crs-decode: %1 not saved: %2").arg(report->GetRptName(), e.Message()));
    return 1;
  }
  const QList<SavedPoll> polls = summary.NewPolls(driver);
  for (const SavedPoll& poll : polls) {
    Print(out_, poll.Line());
    if (!options_.dryRun) continue;
    for (const QString& line : PollSummary::RowsText(poll)) Print(out_, line);
  }
  if (polls.isEmpty()) Print(out_, QStringLiteral("No poll stored (the work file holds no poll header)"));
  return 0;
}
