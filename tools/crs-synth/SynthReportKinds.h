#pragma once
// The reports the synthesiser answers, one row each: the name it is asked by, the report
// code, the decoder class and table the rows go to, and the shape of the answer.
#include "crs-synth/SynthFinancialLayouts.h"
#include "crs-synth/SynthRecordShape.h"

#include <QString>
#include <QStringList>

struct SynthReportKind {
  enum class Family { List, ClockPunches, Financial, Journal, Records, ProductMix };
  QString name;
  int code = 0;
  QString className;
  QString table;
  QString reportName;
  int perBlock = 1; // the most records a data block holds; also the numbering stride
  Family family = Family::List;
  QString keyColumn; // list reports: the record number's column
  const SynthTotaliserLayout* layout = nullptr; // list reports
  SynthFinancialLayout variant = SynthFinancialLayout::Financial; // financial reports
  const SynthRecordShape* shape = nullptr; // record reports (product mix: by its periods)
};

namespace SynthReportKinds {
const QList<SynthReportKind>& All();
// Throws SynthUsageError naming the known reports.
const SynthReportKind& Find(const QString& name);
QStringList Names();
} // namespace SynthReportKinds
