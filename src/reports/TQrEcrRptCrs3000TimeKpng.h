#pragma once
// The CRS 3000 time keeping report (and its Z2 and Z3 kinds): the rows by employee, a line a
// job with tips, regular and overtime hours, and under each employee the sums and the labour
// cost. A line's cost is its hours at the employee's pay rate for the line's job code (the
// slot of the employee program whose job code matches, and that slot's pay rate), overtime
// raised by the overtime factor. A line whose employee, job code slot or pay rate is not in
// the register's programs adds no cost; without those programs every cost is 0.00.
//
// Under zero skip a line prints when its tips or hours are there and not 0, and an employee
// none of whose lines would print is left out whole (header and footer too); the footer of
// a printed employee sums all its lines.
#include "reports/RptFormTables.h"
#include "reports/TQrEcrRpt3000.h"

#include <QHash>

class TQrEcrRptCrs3000TimeKpng : public TQrEcrRpt3000 {
public:
  TQrEcrRptCrs3000TimeKpng();
  void BindPrograms(const tEcrRpt& report) override;

private:
  struct Sums {
    double tips = 0, regular = 0, overTime = 0, regularCost = 0, overTimeCost = 0;
  };
  void AddEmployeeBands();
  void FindEmployeesWithFigures();
  bool EmployeePrints() const;
  void LineBeforePrint(bool& print);
  // The hourly rate of the current line's job, or none.
  std::optional<double> RateOfLine();
  void FooterBeforePrint(RptBand& band, bool& print);

  RptFormTables tables_;
  Sums sums_;
  QHash<qint64, bool> employeeHasFigures_;  // filled under zero skip
};
