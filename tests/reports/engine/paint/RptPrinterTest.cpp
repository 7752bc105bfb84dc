#include "PaintTestSupport.h"

#include "reports/engine/RptOutputErrors.h"
#include "reports/engine/RptPrinter.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

TEST(Printer, APrinterThatIsNotThereIsAnError) {
  const RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 1);
  EXPECT_THROW(RptPrinter::Print(model, QStringLiteral("No Such Printer 7f3a")), ERptNoPrinter);
}

TEST(Printer, WithNoPrinterInstalledTheDefaultIsAnErrorNotASilentSuccess) {
  if (!RptPrinter::PrinterNames().isEmpty()) GTEST_SKIP() << "this machine has printers";
  const RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 1);
  try {
    RptPrinter::Print(model);
    FAIL() << "printed without a printer";
  } catch (const ERptNoPrinter& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("No printer is installed."));
  }
}

TEST(Printer, APrinterGetsTheReportsPaperAndEveryPage) {
  SKIP_WITHOUT_TOOL("pdfinfo");
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("printed.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageSize(QPageSize(QPageSize::A4));  // the report's paper replaces it
  RptPrinter::Print(PaintTest::Pages(RptPageSetup::LetterLandscape(), 2), printer);

  const QString info = PaintTest::Run(QStringLiteral("pdfinfo"), {file});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+792 x 612 pts")))) << info.toStdString();
  const QString text = PaintTest::Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Page 2 of 2\\s+\\$22\\.00")))) << text.toStdString();
}
