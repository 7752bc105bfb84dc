#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptPagePainter.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptPrinter.h"
#include "reports/engine/RptReport.h"
#include "reports/engine/forms/ReportEngineForms.h"
#include "reports/engine/forms/RptPageView.h"
#include "reports/engine/forms/TRptPreviewForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {
// A report of rows "line n", 60 px each, 16 to a Letter page: 40 rows fill three pages.
class PreviewFixture : public ::testing::Test {
protected:
  PreviewFixture() : rows_({"Line"}) {
    for (int i = 1; i <= 40; ++i) rows_.Append({RptValue::Integer(i)});
    report_.SetTitle(QStringLiteral("Preview Test"));
    report_.SetMaster(&rows_);
    report_.OnBeforePrint([this](RptReport&, bool& print) {
      ++generations_;
      print = !cancel_;
    });
    RptBand& detail = report_.AddBand(RptBandKind::Detail, QStringLiteral("Detail"), 60);
    detail.AddLabel(QStringLiteral("Caption"), QRectF(0, 0, 60, 16), QStringLiteral("line"));
    detail.AddDataText(QStringLiteral("Line"), QRectF(64, 0, 60, 16), QString(), QStringLiteral("Line"));
    RptBand& header = report_.AddBand(RptBandKind::PageHeader, QStringLiteral("Header"), 20);
    header.AddSystemData(QStringLiteral("Page"), QRectF(0, 0, 200, 16), RptSystemData::PageNumber,
                         QStringLiteral("Page "));
  }

  std::unique_ptr<TRptPreviewForm> Open() {
    auto form = std::make_unique<TRptPreviewForm>(report_, *report_.Generate());
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return form;
  }

  template <class W>
  static W* Child(QWidget& form, const char* name) {
    W* child = form.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static QString PageText(QWidget& form) { return Child<QLabel>(form, "PageLabel")->text(); }
  static void Click(QWidget& form, const char* button) {
    QTest::mouseClick(Child<QToolButton>(form, button), Qt::LeftButton);
  }

  RptMemoryRows rows_;
  RptReport report_;
  int generations_ = 0;
  bool cancel_ = false;
};

using PreviewNavigation = PreviewFixture;
using PreviewZoom = PreviewFixture;
using PreviewOutput = PreviewFixture;
} // namespace

TEST_F(PreviewNavigation, ButtonsAndKeysMoveThroughThePagesAndStopAtTheEnds) {
  auto form = Open();
  ASSERT_EQ(form->PageCount(), 3);
  struct Step {
    const char* button;  // or a key when null
    Qt::Key key;
    int page;
  };
  const Step steps[] = {
      {nullptr, Qt::Key_unknown, 0}, {"NextButton", {}, 1},     {"NextButton", {}, 2},
      {"NextButton", {}, 2},         {"PriorButton", {}, 1},    {"FirstButton", {}, 0},
      {"PriorButton", {}, 0},        {"LastButton", {}, 2},     {nullptr, Qt::Key_PageUp, 1},
      {nullptr, Qt::Key_Home, 0},    {nullptr, Qt::Key_PageDown, 1}, {nullptr, Qt::Key_End, 2},
  };
  for (const Step& step : steps) {
    if (step.button) {
      QToolButton* button = Child<QToolButton>(*form, step.button);
      if (button->isEnabled()) Click(*form, step.button);
    } else if (step.key != Qt::Key_unknown) {
      QTest::keyClick(QApplication::focusWidget(), step.key);
    }
    const QString where = QStringLiteral("after %1").arg(step.button ? step.button : QTest::toString(step.key));
    EXPECT_EQ(form->PageIndex(), step.page) << where.toStdString();
    EXPECT_EQ(PageText(*form), QStringLiteral("Page %1 of 3").arg(step.page + 1)) << where.toStdString();
    EXPECT_EQ(Child<QToolButton>(*form, "FirstButton")->isEnabled(), step.page > 0);
    EXPECT_EQ(Child<QToolButton>(*form, "PriorButton")->isEnabled(), step.page > 0);
    EXPECT_EQ(Child<QToolButton>(*form, "NextButton")->isEnabled(), step.page < 2);
    EXPECT_EQ(Child<QToolButton>(*form, "LastButton")->isEnabled(), step.page < 2);
  }
}

TEST_F(PreviewNavigation, TheViewDrawsThePageShown) {
  auto form = Open();
  RptPageView* view = Child<RptPageView>(*form, "PageView");
  for (int page : {1, 2, 0}) {
    form->GoTo(page);
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = RptPagePainter::PageImage(form->Model(), page, view->logicalDpiX());
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_TRUE(shown == expected) << "page " << page + 1;
    for (int other = 0; other < 3; ++other) {
      if (other == page) continue;
      EXPECT_FALSE(shown == RptPagePainter::PageImage(form->Model(), other, view->logicalDpiX()));
    }
  }
}

TEST_F(PreviewZoom, StepsScaleThePageAndStopAtTheSmallestAndLargest) {
  auto form = Open();
  RptPageView* view = Child<RptPageView>(*form, "PageView");
  QComboBox* box = Child<QComboBox>(*form, "ZoomBox");
  const QSizeF actual = RptPagePainter::PaperPixels(form->Model().setup, view->logicalDpiX(), view->logicalDpiY());
  struct Step {
    const char* button;
    double zoom;
  };
  const Step steps[] = {{nullptr, 1.0},          {"ZoomInButton", 1.25},  {"ZoomInButton", 1.5},
                        {"ZoomInButton", 2.0},   {"ZoomInButton", 2.0},   {"ZoomOutButton", 1.5},
                        {"ZoomOutButton", 1.25}, {"ZoomOutButton", 1.0},  {"ZoomOutButton", 0.75},
                        {"ZoomOutButton", 0.5},  {"ZoomOutButton", 0.5}};
  for (const Step& step : steps) {
    if (step.button) Click(*form, step.button);
    EXPECT_DOUBLE_EQ(form->Zoom(), step.zoom);
    EXPECT_EQ(box->currentText(), QStringLiteral("%1%").arg(qRound(step.zoom * 100)));
    EXPECT_NEAR(view->width(), actual.width() * step.zoom, 1.0);
    EXPECT_NEAR(view->height(), actual.height() * step.zoom, 1.0);
  }
}

TEST_F(PreviewZoom, ChoosingAZoomInTheListAndTheKeysZoom) {
  auto form = Open();
  QComboBox* box = Child<QComboBox>(*form, "ZoomBox");
  box->setFocus();
  box->setCurrentIndex(box->findText(QStringLiteral("150%")));
  Q_EMIT box->activated(box->currentIndex());
  EXPECT_DOUBLE_EQ(form->Zoom(), 1.5);
  form->setFocus();
  QTest::keySequence(form.get(), QKeySequence(QKeySequence::ZoomOut));
  EXPECT_DOUBLE_EQ(form->Zoom(), 1.25);
  QTest::keySequence(form.get(), QKeySequence(QKeySequence::ZoomIn));
  EXPECT_DOUBLE_EQ(form->Zoom(), 1.5);
  // The page stays the same when zooming.
  form->GoTo(2);
  form->ZoomIn();
  EXPECT_EQ(form->PageIndex(), 2);
}

TEST_F(PreviewZoom, TheTextGrowsWithTheZoom) {
  auto form = Open();
  RptPageView* view = Child<RptPageView>(*form, "PageView");
  auto ink = [&] {
    const QImage image = view->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
  };
  form->SetZoom(1.0);
  const int actual = ink();
  form->SetZoom(2.0);
  // Four times the area: the strokes get longer and thicker.
  EXPECT_GT(ink(), actual * 3);
}

TEST_F(PreviewOutput, SaveAsPdfWritesThePagesShown) {
  auto form = Open();
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("preview.pdf"));
  ASSERT_TRUE(form->SaveAsPdf(file));
  EXPECT_EQ(generations_, 1);  // what is shown, not a new run
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP() << "no pdfinfo";
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {file});
  ASSERT_TRUE(info.waitForFinished(30000));
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
}

TEST_F(PreviewOutput, AFileThatCannotBeWrittenIsShownAsAnError) {
  auto form = Open();
  ScriptedPrompter prompter;
  ScopedPrompter scope(prompter);
  QTemporaryDir dir;
  EXPECT_FALSE(form->SaveAsPdf(dir.filePath(QStringLiteral("missing/preview.pdf"))));
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_EQ(prompter.shown[0].kind, Prompter::Kind::Error);
  EXPECT_TRUE(prompter.shown[0].text.startsWith(QStringLiteral("Cannot create"))) << prompter.shown[0].text.toStdString();
}

TEST_F(PreviewOutput, PrintGeneratesTheReportAgainOntoThePrinter) {
  auto form = Open();
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("printed.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  ASSERT_TRUE(form->PrintOn(printer));
  EXPECT_EQ(generations_, 2);  // the report's events run for the print as for the preview
  EXPECT_TRUE(QFile::exists(file));

  cancel_ = true;  // a run the report cancels prints nothing
  QFile::remove(file);
  EXPECT_FALSE(form->PrintOn(printer));
  EXPECT_FALSE(QFile::exists(file));
}

TEST_F(PreviewOutput, PrintWithNoPrinterShowsTheErrorAndPrintsNothing) {
  if (!RptPrinter::PrinterNames().isEmpty()) GTEST_SKIP() << "this machine has printers";
  auto form = Open();
  ScriptedPrompter prompter;
  ScopedPrompter scope(prompter);
  Click(*form, "PrintButton");
  EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("No printer is installed.")});
  EXPECT_EQ(prompter.shown.value(0).kind, Prompter::Kind::Error);
}

TEST_F(PreviewFixture, TheRequestOpensThePreviewOnTheGeneratedReportAndCloseEndsIt) {
  RegisterReportEngineForms();
  QString seen;
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<TRptPreviewForm*>(QApplication::activeModalWidget());
    if (!form) return;
    seen = form->windowTitle() + QStringLiteral(" / ") + PageText(*form);
    Click(*form, "CloseButton");
  });
  RptPreviewRequest request{report_, std::nullopt};
  EXPECT_EQ(FormRegistry::Show(request), int(QDialog::Accepted));
  EXPECT_EQ(seen, QStringLiteral("Print Preview - Preview Test / Page 1 of 3"));
  EXPECT_EQ(generations_, 1);
  FormRegistry::Unregister<RptPreviewRequest>();
}

TEST_F(PreviewFixture, ARequestWhoseReportIsCancelledOpensNoWindow) {
  RegisterReportEngineForms();
  cancel_ = true;
  bool opened = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      opened = true;
      modal->close();
    }
  });
  RptPreviewRequest request{report_, std::nullopt};
  EXPECT_EQ(FormRegistry::Show(request), 0);
  QApplication::processEvents();
  EXPECT_FALSE(opened);
  FormRegistry::Unregister<RptPreviewRequest>();
}

TEST_F(PreviewFixture, ARequestWithPagesAlreadyGeneratedShowsThemWithoutANewRun) {
  RegisterReportEngineForms();
  RptPageModel model = *report_.Generate();
  model.pages.removeLast();
  generations_ = 0;
  int pages = 0;
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<TRptPreviewForm*>(QApplication::activeModalWidget());
    if (!form) return;
    pages = form->PageCount();
    form->reject();
  });
  RptPreviewRequest request{report_, model};
  EXPECT_EQ(FormRegistry::Show(request), int(QDialog::Rejected));
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(generations_, 0);
  FormRegistry::Unregister<RptPreviewRequest>();
}
