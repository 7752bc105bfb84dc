#pragma once
// The reports the synthesiser answers, one row each: the name it is asked by, the report
// code, the decoder class and table the rows go to, and the shape of the answer.
#include "crs-synth/SynthFinancialLayouts.h"
#include "crs-synth/SynthOpenOrder.h"

#include <QString>
#include <QStringList>

struct SynthReportKind {
  enum class Family { List, ClockPunches, Financial, Journal, OpenOrders };
  // The columns of a list report's row that a program gives, by the record's number.
  enum class LookUps { Name, Plu, Inventory, Stock };
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
  LookUps lookUps = LookUps::Name; // list reports
  SynthOpenOrder::Shape shape = SynthOpenOrder::Shape::Track12; // open orders
  int track = 0; // open orders
};

namespace SynthReportKinds {
const QList<SynthReportKind>& All();
// Throws SynthUsageError naming the known reports.
const SynthReportKind& Find(const QString& name);
QStringList Names();
} // namespace SynthReportKinds
