// The progress window, as the registry shows it to long operations.
#include "model/EcrForms.h"
#include "model/forms/ModelForms.h"
#include "model/forms/TfmSaveProgress.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/TObject.h"
#include "widgets/TWdgController.h"
#include "widgets/TWdgMeter.h"

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QList<TfmSaveProgress*> OpenWindows() {
  QList<TfmSaveProgress*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<TfmSaveProgress*>(widget)) windows << window;
  return windows;
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
  int paints = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class SaveProgress : public ::testing::Test {
protected:
  SaveProgress() { RegisterModelForms(); }
  ~SaveProgress() override {
    for (TObject* s : {&subject, &other}) Ask(s, 100, true);
  }
  void Ask(TObject* who, int percent, bool close = false, const QString& caption = {}) {
    SaveProgressRequest request{.subject = who, .caption = caption, .percent = percent, .close = close};
    FormRegistry::Show(request);
  }

  TObject subject{TBlank{}};
  TObject other{TBlank{}};
};

TEST_F(SaveProgress, ShowsTheCallersCaptionAndAMeterFromZero) {
  Ask(&subject, 0, false, QStringLiteral("Getting History List"));
  const auto windows = OpenWindows();
  ASSERT_EQ(windows.size(), 1);
  TfmSaveProgress& window = *windows.first();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "Getting History List");
  EXPECT_EQ(window.size(), QSize(223, 78));
  TWdgMeter* meter = window.findChild<TWdgMeter*>(QStringLiteral("WdgMeter1"));
  ASSERT_NE(meter, nullptr);
  EXPECT_EQ(meter->geometry(), QRect(8, 8, 200, 24));
  EXPECT_EQ(meter->UsedColor(), QColor(0, 255, 0));
  EXPECT_EQ(meter->UnusedColor(), meter->palette().color(QPalette::Base));
  EXPECT_TRUE(meter->ShowPercent());
  EXPECT_EQ(meter->Orientation(), TMeterOrientation::moHorizontal);
  EXPECT_EQ(meter->Percent(), 0);
  EXPECT_NE(TWdgController::FindIn(&window), nullptr);
}

TEST_F(SaveProgress, WithoutACaptionItIsSaveProgress) {
  Ask(&subject, 0);
  ASSERT_EQ(OpenWindows().size(), 1);
  EXPECT_EQ(OpenWindows().first()->windowTitle(), "Save Progress");
}

TEST_F(SaveProgress, StepsMoveTheMeterAndTheLastRequestClosesTheWindow) {
  for (int percent : {0, 33, 66}) Ask(&subject, percent, false, QStringLiteral("Deleting Entries"));
  ASSERT_EQ(OpenWindows().size(), 1);
  TWdgMeter* meter = OpenWindows().first()->Meter();
  EXPECT_EQ(meter->Percent(), 66);
  EXPECT_EQ(meter->PercentText(), "66%");
  // The bar is painted lime up to two thirds of its length.
  const QImage shot = OpenWindows().first()->grab().toImage();
  const QRect bar = meter->BarRect().translated(meter->pos());
  EXPECT_EQ(shot.pixelColor(bar.left() + 2, bar.bottom() - 1), QColor(0, 255, 0));
  EXPECT_NE(shot.pixelColor(bar.right() - 2, bar.bottom() - 1), QColor(0, 255, 0));
  Ask(&subject, 100, true);
  EXPECT_TRUE(OpenWindows().isEmpty());
}

TEST_F(SaveProgress, TheSamePercentAgainPaintsNothing) {
  Ask(&subject, 40);
  TfmSaveProgress& window = *OpenWindows().first();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  PaintCounter counter;
  window.Meter()->installEventFilter(&counter);
  Ask(&subject, 40);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  Ask(&subject, 41);
  EXPECT_EQ(counter.paints, 1); // painted at once, inside the step
}

TEST_F(SaveProgress, AValueOutsideTheRangeIsShownWithinIt) {
  Ask(&subject, 150);
  EXPECT_EQ(OpenWindows().first()->Meter()->ShownPercent(), 100);
  EXPECT_EQ(OpenWindows().first()->Meter()->PercentText(), "100%");
  Ask(&subject, -5);
  EXPECT_EQ(OpenWindows().first()->Meter()->ShownPercent(), 0);
}

TEST_F(SaveProgress, EachSubjectHasItsOwnWindow) {
  Ask(&subject, 10, false, QStringLiteral("Getting Script List"));
  Ask(&other, 90, false, QStringLiteral("Getting History List"));
  ASSERT_EQ(OpenWindows().size(), 2);
  Ask(&subject, 100, true);
  ASSERT_EQ(OpenWindows().size(), 1);
  EXPECT_EQ(OpenWindows().first()->windowTitle(), "Getting History List");
  EXPECT_EQ(OpenWindows().first()->Meter()->Percent(), 90);
}

// Saves a picture of the window where TB_SCREENSHOTS points, for a look by eye.
TEST_F(SaveProgress, Screenshot) {
  Ask(&subject, 62, false, QStringLiteral("Getting History List"));
  const QString folder = qEnvironmentVariable("TB_SCREENSHOTS");
  if (!folder.isEmpty()) OpenWindows().first()->grab().save(folder + QStringLiteral("/TfmSaveProgress.png"));
  SUCCEED();
}
} // namespace
