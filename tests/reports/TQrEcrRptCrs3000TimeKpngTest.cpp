// The time keeping form on polls its decoder stored from synthesised answers, with the
// register's employee, pay rate and time-and-attendance programs beside them: employees
// left out whole under zero skip, the footer sums of all lines, and the labour cost of a
// line, which is nothing when its employee, job code slot or pay rate is not found.
#include "FormPrograms.h"
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000TimeKeeping.h"

namespace {
inline constexpr char kEmployees[] = "tEcrPrgCrs3000Employee";
inline constexpr char kPayRates[] = "tEcrPrgCrs3000PayRates";
inline constexpr char kAttendance[] = "tEcrPrgCrs3000TaFls";

struct Entry {
  int job;
  const char* regular;
  const char* overTime;
};
struct Employee {
  const char* tips;
  QList<Entry> entries;  // up to four; the rest job 0 without hours
};

class TimeKeepingForm : public SynthFormFixture {
protected:
  void StorePrograms() {
    QList<TFieldDef> employee{{QStringLiteral("Number"), TFieldType::Short}, {QStringLiteral("Name"), TFieldType::Alpha, 12}};
    for (int slot = 1; slot <= 4; ++slot)
      employee << TFieldDef{QStringLiteral("Job Code%1").arg(slot), TFieldType::Short}
               << TFieldDef{QStringLiteral("Pay Rate%1").arg(slot), TFieldType::Short};
    // Employee 3 is not in the program; employee 4's pay rate 8 is not in the pay rates.
    tFormPrg<kEmployees>::AddTo(driver, employee,
                                {{{"Number", 1}, {"Name", "ANNA"}, {"Job Code1", 5}, {"Pay Rate1", 1}, {"Job Code2", 7}, {"Pay Rate2", 3}},
                                 {{"Number", 2}, {"Name", "BEN"}, {"Job Code1", 5}, {"Pay Rate1", 1}},
                                 {{"Number", 4}, {"Name", "DORA"}, {"Job Code1", 5}, {"Pay Rate1", 8}}});
    tFormPrg<kPayRates>::AddTo(driver, {{QStringLiteral("Number"), TFieldType::Short}, {QStringLiteral("Rate"), TFieldType::Money}},
                               {{{"Number", 1}, {"Rate", 9.0}}, {{"Number", 3}, {"Rate", 10.0}}});
    tFormPrg<kAttendance>::AddTo(driver, {{QStringLiteral("Number"), TFieldType::Short}, {QStringLiteral("Over Time Factor"), TFieldType::Number}},
                                 {{{"Number", 1}, {"Over Time Factor", 1.5}}});
  }

  qint32 StoreEmployees(const QList<Employee>& employees) {
    SynthRequest request;
    request.report = QStringLiteral("timekeeping");
    request.records = int(employees.size());
    for (int e = 0; e < employees.size(); ++e) {
      Set(request, e + 1, QStringLiteral("Tips"), QLatin1String(employees[e].tips));
      for (int n = 0; n < 4; ++n) {
        const Entry entry = employees[e].entries.value(n, {0, "0.00", "0.00"});
        Set(request, e + 1, QStringLiteral("Job Code %1").arg(n + 1), QString::number(entry.job));
        Set(request, e + 1, QStringLiteral("Regular Hrs %1").arg(n + 1), QLatin1String(entry.regular));
        Set(request, e + 1, QStringLiteral("Over Time Hrs %1").arg(n + 1), QLatin1String(entry.overTime));
      }
    }
    return Decode(keeping, request);
  }

  QStringList Lines(qint32 poll, bool zeroSkip) {
    return GeneratedLinesBelow(keeping, poll, zeroSkip, QStringLiteral("Employee Job Code Tips Regular Over Time"));
  }

  tEcrRptCrs3000TimeKeeping& keeping = AddReport<tEcrRptCrs3000TimeKeeping>();
};

const QList<Employee> kEmployeesOfPoll{
    {"12.50", {{5, "0.00", "0.00"}, {7, "8.00", "2.00"}, {9, "1.00", "0.00"}}},  // job 9: no slot
    {"0.00", {}},                                                                // nothing at all
    {"0.00", {{5, "4.00", "0.00"}}},                                             // not in the program
    {"0.00", {{5, "2.00", "1.00"}}},                                             // pay rate not found
};
} // namespace

TEST_F(TimeKeepingForm, EmployeesLinesAndFootersUnderZeroSkipAndWithout) {
  StorePrograms();
  const qint32 poll = StoreEmployees(kEmployeesOfPoll);
  // Job code 0 prints blank under its mask; the rows of a job come in job code order.
  const QStringList anna{"1 ANNA", "5 Undefined $12.50 .00 .00", "7 Undefined $.00 8.00 2.00", "9 Undefined $.00 1.00 .00"};
  const QStringList annaFooter{"12.50 9.00 2.00", "Cost 80.00 30.00"};
  const QStringList others{"3 Undefined", "5 Undefined $.00 4.00 .00", "0.00 4.00 0.00", "Cost 0.00 0.00",
                           "4 DORA", "5 Undefined $.00 2.00 1.00", "0.00 2.00 1.00", "Cost 0.00 0.00"};
  EXPECT_EQ(Lines(poll, true), anna + annaFooter + others);
  const QStringList lines = Lines(poll, false);
  EXPECT_TRUE(lines.contains(QStringLiteral("2 BEN"))) << lines.join(u'\n').toStdString();
  EXPECT_EQ(lines.count(QStringLiteral("Undefined $.00 .00 .00")), 1 + 4 + 3 + 3) << lines.join(u'\n').toStdString();
  EXPECT_EQ(lines.count(QStringLiteral("Cost 0.00 0.00")), 3);
  EXPECT_TRUE(lines.contains(QStringLiteral("Cost 80.00 30.00")));
}

// Without the register's programs the lines and hours print and every cost is 0.00.
TEST_F(TimeKeepingForm, WithoutTheProgramsEveryCostIsZero) {
  const QStringList lines = Lines(StoreEmployees({kEmployeesOfPoll[0]}), true);
  EXPECT_EQ(lines, (QStringList{"1 Undefined", "5 Undefined $12.50 .00 .00", "7 Undefined $.00 8.00 2.00",
                                "9 Undefined $.00 1.00 .00", "12.50 9.00 2.00", "Cost 0.00 0.00"}));
}

TEST_F(TimeKeepingForm, FooterSumsHaveTwoDecimalsAndNoGrouping) {
  StorePrograms();
  const QStringList lines = Lines(StoreEmployees({{"0.00", {{7, "123.45", "0.00"}}}}), true);
  EXPECT_TRUE(lines.contains(QStringLiteral("Cost 1234.50 0.00"))) << lines.join(u'\n').toStdString();
}

TEST_F(TimeKeepingForm, ThePdfShowsTheEmployeeAndTheCost) {
  SKIP_WITHOUT_PDF_TOOLS();
  StorePrograms();
  const std::optional<RptPageModel> model = Generate(keeping, StoreEmployees({kEmployeesOfPoll[0]}), true);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Time Keeping"), {"Employee Job Code Tips Regular Over Time", "1 ANNA", "7 Undefined $.00 8.00 2.00", "Cost 80.00 30.00"});
}
