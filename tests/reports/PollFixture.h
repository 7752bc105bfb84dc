#pragma once
// Stored polls for the report-form tests: a data folder of the test's own with AllPolls and
// the rows of a small report class, a driver that may or may not have the program that
// names the rows, and a form on the CRS 3000 base registered under the class's form name.
#include "model/ModelFixture.h"
#include "reports/RptKeyedSource.h"
#include "reports/TQrEcrRpt3000.h"
#include "reports/engine/RptPageModel.h"

#include <QByteArray>
#include <QStringList>

#include <memory>

// Rows "Number" and "Value"; its form is TQrPollTest, named from the program tPollNamePrg.
class tPollTestRpt : public tEcrRpt {
  TB_OBJECT(tPollTestRpt)

public:
  explicit tPollTestRpt(TBlank blank) : tEcrRpt(blank) {}
  QString GetRptName() const override { return QStringLiteral("Poll Test"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrPollTest"); }
  std::optional<TTableDef> DescribeTable() const override;
};

// The program that names the test report's lines: "Number" and "Descriptor".
class tPollNamePrg : public tEcrPrg {
  TB_OBJECT(tPollNamePrg)

public:
  explicit tPollNamePrg(TBlank blank) : tEcrPrg(blank) {}
  std::optional<TTableDef> DescribeTable() const override;
};

// Report classes of stored polls whose names mark them as a financial head, its five
// sections (in their order) and reports of their own; their rows are as the test report's.
#define TB_POLL_TEST_CLASS_(Name)                                                 \
  class Name : public tPollTestRpt {                                              \
    TB_OBJECT(Name)                                                               \
  public:                                                                         \
    explicit Name(TBlank blank) : tPollTestRpt(blank) {}                          \
  };
TB_POLL_TEST_CLASS_(tEcrRptCrs3000FinancialTest)
TB_POLL_TEST_CLASS_(tEcrRptCrs3000SalesTest)
TB_POLL_TEST_CLASS_(tEcrRptCrs3000RcptsTest)
TB_POLL_TEST_CLASS_(tEcrRptCrs3000MemoTest)
TB_POLL_TEST_CLASS_(tEcrRptCrs3000SysBalTest)
TB_POLL_TEST_CLASS_(tEcrRptCrs3000TblSrvcTest)
TB_POLL_TEST_CLASS_(tEcrRptCrs3000SalesLaborTest)
TB_POLL_TEST_CLASS_(tEcrRptCrs3000DayShiftTest)

// A line a row, "Value" under the caption "Line" that the program names by "Number".
class TQrPollTest : public TQrEcrRpt3000 {
public:
  TQrPollTest();
  void BindPrograms(const tEcrRpt& report) override;
  std::unique_ptr<RptKeyedSource> names;
};

struct PollHeader {
  QString reportClass = QStringLiteral("tPollTestRpt");
  QString reportName = QStringLiteral("Poll Test");
  QString machineId = QStringLiteral("STORE 1");
  qint64 store = 12, machine = 3, zCounter = 41;
  qint64 transaction = 5678, prePolled = 1;
  QVariant polledRegister = 7;  // "Misc Info 3"; -1 a consolidation
  QByteArray status = QByteArray(24, '\0');
};

class PollFixture : public ModelFixture {
protected:
  PollFixture();
  ~PollFixture() override;

  // A stored poll of the header's report class with the values as rows; its "Poll Id".
  qint32 StorePoll(const PollHeader& header, const QList<qint64>& values);
  // The driver's program rows (number, descriptor), made when the driver has the program.
  void StoreNames(const QList<std::pair<int, QString>>& names);
  // The pages of the poll's generation as text, 20 characters an inch.
  QList<QStringList> Pages(qint32 pollId);
  static QString Line(const QStringList& page, const QString& start);

  // The number of rows of a poll in its report table.
  static qint64 ReportRows(const QString& reportClass, qint32 pollId);

  tTestDriver driver;
  tPollTestRpt* report = nullptr;
  tPollNamePrg* program = nullptr;  // nullptr: the register has no such program
  void AddProgram();
};
