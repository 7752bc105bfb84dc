// "View Comm Log": the grid over the log, the current row's text and its export.
#include "comm/session/CommLogForms.h"
#include "comm/session/CommLogListing.h"
#include "comm/session/CommLogTable.h"
#include "comm/session/forms/CommLogPrinting.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptReport.h"
#include "reports/engine/RptTextRenderer.h"
#include "reports/engine/forms/TRptPreviewForm.h"
#include "platform/engine/TTable.h"
#include "comm/session/TCommLogRow.h"
#include "comm/session/forms/SessionForms.h"
#include "comm/session/forms/TfrmViewComLog.h"
#include "model/ScopedDataFolder.h"
#include "model/tMachine.h"
#include "platform/sys/Clock.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class ViewCommLog : public ::testing::Test {
protected:
  // A session's row: machine, how long, how it ended, its lines.
  void Session(const QString& machineId, qint64 ms, tMpMessage result, const QStringList& lines) {
    tMachine machine;
    machine.MachineId = machineId;
    machine.StoreNumber = 7;
    machine.MachineNumber = 2;
    TCommLogRow row;
    row.Start(machine, kSessionCommType);
    clock.Advance(ms);
    row.End(result, lines);
  }
  QStringList Headings(QTableView& grid) {
    QStringList headings;
    QHeaderView* header = grid.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
      const int logical = header->logicalIndex(visual);
      if (!header->isSectionHidden(logical))
        headings << grid.model()->headerData(logical, Qt::Horizontal).toString();
    }
    return headings;
  }
  QString Cell(QTableView& grid, int row, int visual) {
    const int logical = grid.horizontalHeader()->logicalIndex(visual);
    return grid.model()->index(row, logical).data().toString();
  }
  // A printer that writes a PDF file instead.
  std::function<std::unique_ptr<QPrinter>()> PdfPrinter(const QString& path) {
    return [path] {
      auto printer = std::make_unique<QPrinter>();
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(path);
      return printer;
    };
  }
  int PdfPages(const QString& path) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(FileBytes(path)).count(page));
  }
  QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir dir;
  ScopedDataFolder data{dir.path()};
  FakeClock clock{QDateTime(QDate(2026, 3, 4), QTime(10, 30))};
  ScopedClock useClock{clock};
  ScriptedPrompter prompter;
  ScopedPrompter usePrompter{prompter};
};

TEST_F(ViewCommLog, ShowsTheLogUnderItsLabelsAndTheCurrentRowsText) {
  Session(QStringLiteral("Front Till"), 59600, MpmSuccessfull,
          {QStringLiteral("10:30:00 AM Initiating Communications"),
           QStringLiteral("10:30:59 AM Terminating Communications")});
  Session(QStringLiteral("Back Till"), 3723000, MpmFailed, {QStringLiteral("10:31:00 AM F")});
  TfrmViewComLog form;
  EXPECT_EQ(form.windowTitle(), "View Comm Log");
  QTableView& grid = *form.findChild<QTableView*>(QStringLiteral("DBGrid1"));
  EXPECT_EQ(Headings(grid), (QStringList{"ID", "Result", "Machine ID", "Store Number", "Machine Number", "Comm Type",
                                         "StartTime", "EndTime", "Duration"}));
  ASSERT_EQ(grid.model()->rowCount(), 2);
  EXPECT_EQ(Cell(grid, 0, 1), "Successful");
  EXPECT_EQ(Cell(grid, 0, 2), "Front Till");
  EXPECT_EQ(Cell(grid, 0, 6), "3/4/2026 10:30:00 AM");
  EXPECT_EQ(Cell(grid, 0, 7), "3/4/2026 10:30:59 AM");
  EXPECT_EQ(Cell(grid, 0, 8), "0:01:00");
  EXPECT_EQ(Cell(grid, 1, 8), "1:02:03");
  auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("DBMemo1"));
  EXPECT_EQ(memo->toPlainText(),
            "10:30:00 AM Initiating Communications\n10:30:59 AM Terminating Communications");
  QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("btnNext")), Qt::LeftButton);
  EXPECT_EQ(memo->toPlainText(), "10:31:00 AM F");
  QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("btnFirst")), Qt::LeftButton);
  EXPECT_EQ(form.CurrentLogEntry(),
            "10:30:00 AM Initiating Communications\r\n10:30:59 AM Terminating Communications\r\n");

  const QString folder = qEnvironmentVariable("TB_SCREENSHOTS");
  if (!folder.isEmpty()) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.grab().save(folder + QStringLiteral("/TfrmViewComLog.png"));
  }
}

TEST_F(ViewCommLog, ExportWritesTheCurrentRowsLines) {
  Session(QStringLiteral("Front Till"), 1000, MpmSuccessfull, {QStringLiteral("first"), QStringLiteral("second")});
  Session(QStringLiteral("Back Till"), 1000, MpmFailed, {});
  TfrmViewComLog form;
  QStringList asked;
  QString path = dir.filePath(QStringLiteral("LogExp.TXT"));
  form.SetChooseExportFile([&](QWidget*) {
    asked << path;
    return path;
  });
  QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnExport")), Qt::LeftButton);
  EXPECT_EQ(FileBytes(path), QByteArray("first\r\nsecond\r\n"));

  // The second session left no lines: its export is an empty file.
  QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("btnLast")), Qt::LeftButton);
  path = dir.filePath(QStringLiteral("Empty.TXT"));
  QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnExport")), Qt::LeftButton);
  EXPECT_EQ(FileBytes(path), QByteArray());
  EXPECT_EQ(asked.size(), 2);
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ViewCommLog, AnExportThatCannotWriteSaysFileIOError) {
  Session(QStringLiteral("Front Till"), 1000, MpmSuccessfull, {QStringLiteral("x")});
  TfrmViewComLog form;
  form.SetChooseExportFile([&](QWidget*) { return dir.filePath(QStringLiteral("missing/LogExp.TXT")); });
  form.ExportLog();
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_EQ(prompter.shown[0].text, "File I/O error.");
  EXPECT_EQ(prompter.shown[0].kind, Prompter::Kind::Error);
}

TEST_F(ViewCommLog, ACancelledExportWritesNothing) {
  Session(QStringLiteral("Front Till"), 1000, MpmSuccessfull, {QStringLiteral("x")});
  TfrmViewComLog form;
  form.SetChooseExportFile([](QWidget*) { return QString(); });
  form.ExportLog();
  EXPECT_TRUE(QDir(dir.path()).entryList(QStringList{"*.TXT"}).isEmpty());
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ViewCommLog, WithoutALogTheGridIsEmptyAndNothingCanBeExported) {
  TfrmViewComLog form;
  EXPECT_EQ(form.Grid()->model(), nullptr);
  EXPECT_FALSE(form.findChild<QPushButton*>(QStringLiteral("btnExport"))->isEnabled());
  QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("btnNext")), Qt::LeftButton);
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ViewCommLog, PrintLogPrintsTheCurrentRowsLinesOnAsManyPagesAsTheyNeed) {
  QStringList many;
  for (int i = 0; i < 150; ++i) many << QStringLiteral("10:30:%1 AM APPPPE").arg(i % 60, 2, 10, QLatin1Char('0'));
  Session(QStringLiteral("Front Till"), 1000, MpmSuccessfull, {QStringLiteral("one line")});
  Session(QStringLiteral("Back Till"), 1000, MpmSuccessfull, many);
  TfrmViewComLog form;
  const QString one = dir.filePath(QStringLiteral("one.pdf")), all = dir.filePath(QStringLiteral("all.pdf"));
  form.SetPrinterFactory(PdfPrinter(one));
  QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnPrintLog")), Qt::LeftButton);
  EXPECT_EQ(PdfPages(one), 1);
  QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("btnLast")), Qt::LeftButton);
  form.SetPrinterFactory(PdfPrinter(all));
  form.PrintLog();
  EXPECT_GT(PdfPages(all), 1);
  EXPECT_TRUE(prompter.shown.isEmpty());
}

// With TB_SCREENSHOTS set, the preview's first page is saved there as "LogTable.png".
TEST_F(ViewCommLog, PrintTablePreviewsTheListingOnLetterPages) {
  for (int i = 0; i < CommLogListing::kRowsPerPage + 1; ++i)
    Session(QStringLiteral("Till %1").arg(i), 1000, MpmSuccessfull, {});
  TfrmViewComLog form;
  std::optional<RptPageModel> model;
  ScopedForm<RptPreviewRequest> preview([&](RptPreviewRequest& r) {
    model = r.model ? r.model : r.report.Generate();
    const QString folder = qEnvironmentVariable("TB_SCREENSHOTS");
    if (model && !folder.isEmpty()) {
      TRptPreviewForm window(r.report, *model);
      window.resize(800, 900);
      window.show();
      window.grab().save(folder + QStringLiteral("/LogTable.png"));
    }
    return 1;
  });
  QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnPrintTable")), Qt::LeftButton);
  ASSERT_TRUE(model);
  EXPECT_EQ(model->setup, RptPageSetup::LetterPortrait().WithMargins(10, 10, 10, 10));
  ASSERT_EQ(model->pages.size(), 2);
  const QStringList last = RptTextRenderer::PageLines(model->pages[1], model->setup);
  ASSERT_EQ(last.size(), 4) << "the title, the time, the headings and the last row";
  EXPECT_TRUE(last[3].contains(QStringLiteral("Till 54"))) << last[3].toStdString();
  // The grid's current row stays where it was.
  EXPECT_EQ(form.Grid()->currentIndex().row(), 0);
}

TEST_F(ViewCommLog, TheRegistryOpensIt) {
  RegisterSessionForms();
  ViewCommLogRequest request;
  FormRegistry::Show(request);
  TfrmViewComLog* shown = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* form = qobject_cast<TfrmViewComLog*>(widget); form && form->isVisible()) shown = form;
  ASSERT_NE(shown, nullptr);
  shown->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace
