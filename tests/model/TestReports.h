#pragma once
// Small report classes for the save tests. Block 1 of a work file makes the poll's row;
// every later block holds 4-byte BCD values, one row each ("Number" counts them within
// the poll). A report with a next class hands the work file on, as the sections of a
// report in parts do. The class names matter: the automatic export and print go by them.
#include "model/tEcrRpt.h"

#include <functional>

class tTestRpt : public tEcrRpt {
  TB_OBJECT(tTestRpt)

public:
  explicit tTestRpt(TBlank blank) : tEcrRpt(blank) {}
  QString GetRptName() const override { return QStringLiteral("Test Report"); }
  int GetPrgRecSize() const override { return 4; }
  QString ReportFormClass() const override { return QStringLiteral("TQrTestRpt"); }
  std::optional<TTableDef> DescribeTable() const override;
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;
  void AfterReadBlockFile(QFile& file) override;
  virtual const TClass* NextClass() const { return nullptr; }

  // Runs once, at the start of the next data block any test report decodes.
  static std::function<void()> OnNextBlock;

private:
  qint32 number_ = 0;
};

// A head that continues in two sections (its name marks it as the head of such a report).
class tEcrRptCrs3000FnclTest : public tTestRpt {
  TB_OBJECT(tEcrRptCrs3000FnclTest)

public:
  explicit tEcrRptCrs3000FnclTest(TBlank blank) : tTestRpt(blank) {}
  const TClass* NextClass() const override;
};

class tEcrRptCrs3000SalesTest : public tTestRpt {
  TB_OBJECT(tEcrRptCrs3000SalesTest)

public:
  explicit tEcrRptCrs3000SalesTest(TBlank blank) : tTestRpt(blank) {}
  const TClass* NextClass() const override;
};

class tEcrRptCrs3000MemoTest : public tTestRpt {
  TB_OBJECT(tEcrRptCrs3000MemoTest)

public:
  explicit tEcrRptCrs3000MemoTest(TBlank blank) : tTestRpt(blank) {}
};

// Its name begins with the sales section's, but it is a report of its own.
class tEcrRptCrs3000SalesLaborTest : public tTestRpt {
  TB_OBJECT(tEcrRptCrs3000SalesLaborTest)

public:
  explicit tEcrRptCrs3000SalesLaborTest(TBlank blank) : tTestRpt(blank) {}
};
