#pragma once
// Small report fixtures for the engine tests: bands that print their own name, a master of
// numbered rows and an event log that can veto bands by name.
#include "reports/engine/RptErrors.h"
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptReport.h"

#include <QSet>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace RptTest {
// Rows of "Line" (integer 1..n), "Key" (text) and "Amount" (money).
struct Row {
  QString key;
  double amount = 0;
};
RptMemoryRows Rows(const QList<Row>& rows);
RptMemoryRows NumberedRows(int count);

// A band with one label showing its name across the band's first 16 px.
RptBand& Named(RptBand& band);
// A detail band that prints "row <Line>".
RptBand& RowDetail(RptReport& report, double heightPx = 16);

// Logs "report before", "before <band>", "after <band> printed|vetoed", "report after" and
// vetoes the bands named in veto.
struct EventLog {
  QStringList events;
  QSet<QString> veto;
  void Attach(RptReport& report);
};

// The lines of every page, the pages joined by "|" lines, for compact expectations.
QStringList Lines(const RptPageModel& model);
} // namespace RptTest
