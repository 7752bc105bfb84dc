#pragma once
// What a consolidation takes in: the stored polls of one report type whose poll date,
// store number and machine number lie in the ranges (both ends included; the end date
// takes its whole day), optionally of one reset type and one totals area ("ALL" = any).
#include <QDate>
#include <QString>

struct ConsolidationRanges {
  QDate startDate;
  QDate endDate;
  qint64 firstStore = 0;
  qint64 lastStore = 0;
  qint64 firstMachine = 0;
  qint64 lastMachine = 0;
  QString pollType = QStringLiteral("ALL");  // "ALL", "X", "Z"
  QString area = QStringLiteral("ALL");      // "ALL", "AREA 1" .. "AREA 5"

  // No range runs backwards (an end date equal to the start date is one whole day).
  bool Accepted() const;
};

namespace ConsolidationRefusal {
// True for the reports whose polls cannot be summed: a financial report, and the
// journal, inventory, product-mix, clerk-punch and open-order reports of the CRS drivers.
bool Refused(const QString& driverClass, const QString& reportClass);
}
