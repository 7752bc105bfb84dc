#pragma once
// A consolidation of stored polls: the polls of the selected poll's report type inside the
// ranges are summed into a temporary poll (a row of AllPolls marked by "Misc Info 3" = -1,
// whose header fields hold the ranges, and its report rows), which the caller previews and
// maybe exports; the temporary poll is removed afterwards on every path, also when the
// preview or the export fails.
#include "reports/ConsolidationRanges.h"

#include <QString>
#include <QtGlobal>

#include <functional>

class tEcrRpt;

class PollConsolidation {
public:
  using Status = std::function<void(const QString& step)>;
  enum class Outcome { Done, NoPolls };

  // The report object of the selected poll (its table, database and column lists) and the
  // classes stored with that poll.
  PollConsolidation(tEcrRpt& report, const QString& driverClass, const QString& reportName, Status status = {});

  static QString RefusalText() { return QStringLiteral("This report cannot be consolidated"); }
  static QString NoPollsText() { return QStringLiteral("No reports of selected type in these ranges."); }

  // The qualifying polls, in Poll Id order.
  QList<qint32> QualifyingPolls(const ConsolidationRanges& ranges) const;
  // Builds the temporary poll and calls use with its Poll Id; NoPolls (and nothing written)
  // when no poll qualifies.
  Outcome Run(const ConsolidationRanges& ranges, const std::function<void(qint32 pollId)>& use);

private:
  qint32 MakeCnsldtPoll(const ConsolidationRanges& ranges);
  void RemoveCnsldtPoll(qint32 pollId);
  void Step(const char* text) const;

  tEcrRpt& report_;
  QString driverClass_;
  QString reportName_;
  Status status_;
};
