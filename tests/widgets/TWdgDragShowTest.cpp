#include "widgets/TWdgDragShow.h"

#include "WdgTestDoubles.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
const QColor kFace(192, 192, 192);
const QColor kRed(255, 0, 0);

// A heading cell: the face colour with a red block at (10, 5), 20 by 10.
struct HeadingCell : QWidget {
  HeadingCell() { setFixedSize(60, 30); }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kFace);
    painter.fillRect(QRect(10, 5, 20, 10), kRed);
  }
};

// Counts the events of one kind that reach a widget.
struct EventCounter : QObject {
  QEvent::Type type;
  int count = 0;
  EventCounter(QWidget* widget, QEvent::Type t) : type(t) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == type;
    return false;
  }
};

struct DragForm : ::testing::Test {
  QWidget form;
  HeadingCell* cell = new HeadingCell;
  QLineEdit* edit = new QLineEdit;

  DragForm() {
    auto* layout = new QVBoxLayout(&form);
    layout->addWidget(cell);
    layout->addWidget(edit);
    form.move(100, 100);
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus();
  }
  QRect CellOnScreen() const { return QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size()); }
  std::unique_ptr<TWdgDragShow> DragFrom(QPoint inCell, QRect area = {}) {
    const QRect source = area.isNull() ? CellOnScreen() : area;
    const QPoint mouse = cell->mapToGlobal(inCell);
    return std::make_unique<TWdgDragShow>(mouse.x(), mouse.y(), source, kFace, cell);
  }
};

TEST_F(DragForm, ThePictureIsTheSourceWithItsTransparentColourLeftOut) {
  auto drag = DragFrom({25, 12});
  const QImage& image = drag->Image();
  ASSERT_EQ(image.size(), QSize(60, 30));
  EXPECT_EQ(image.pixelColor(15, 8), kRed);
  EXPECT_EQ(image.pixelColor(29, 14), kRed);
  EXPECT_EQ(qAlpha(image.pixel(9, 8)), 0);
  EXPECT_EQ(qAlpha(image.pixel(30, 8)), 0);
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(drag->HotSpot(), QPoint(25, 12));
}

TEST_F(DragForm, ItShowsAtOnceOverItsSourceWithoutTakingTheFocus) {
  auto drag = DragFrom({25, 12});
  EXPECT_TRUE(drag->Initialised());
  EXPECT_TRUE(drag->Shown());
  EXPECT_TRUE(drag->Window()->isVisible());
  EXPECT_EQ(drag->Rect(), CellOnScreen());
  EXPECT_EQ(drag->Window()->geometry(), CellOnScreen());
  EXPECT_EQ(QApplication::focusWidget(), edit);
  EXPECT_EQ(QApplication::activeWindow(), &form);
  EXPECT_TRUE(drag->Window()->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(DragForm, TheWindowPaintsThePictureAndLeavesTheRestClear) {
  auto drag = DragFrom({25, 12});
  const QImage shot = drag->Window()->grab().toImage();
  ASSERT_EQ(shot.size(), QSize(60, 30));
  EXPECT_EQ(shot.pixelColor(15, 8), kRed);
  EXPECT_EQ(qAlpha(shot.pixel(2, 2)), 0);
  EXPECT_EQ(qAlpha(shot.pixel(45, 20)), 0);
}

TEST_F(DragForm, APartOfTheSourceGivesThatPart) {
  const QPoint corner = cell->mapToGlobal(QPoint(12, 6));
  const struct {
    QRect area;
    QSize size;
    QColor topLeft;
  } cases[] = {
      {QRect(corner, QSize(1, 1)), QSize(1, 1), kRed}, // left = right, top = bottom
      {QRect(corner, QSize(5, 3)), QSize(5, 3), kRed},
      {QRect(corner - QPoint(12, 6), QSize(2, 2)), QSize(2, 2), QColor(Qt::transparent)},
  };
  for (const auto& c : cases) {
    auto drag = DragFrom({12, 6}, c.area);
    EXPECT_EQ(drag->Image().size(), c.size);
    EXPECT_EQ(drag->Rect(), c.area);
    EXPECT_EQ(drag->Window()->size(), c.size);
    EXPECT_EQ(drag->Image().pixelColor(0, 0).rgba(), c.topLeft.rgba()) << c.area.width();
  }
}

TEST_F(DragForm, MovingPutsTheHotSpotUnderTheMouse) {
  auto drag = DragFrom({25, 12});
  const QPoint moves[] = {{500, 400}, {510, 401}, {90, 60}, {-20, -30}};
  for (const QPoint& mouse : moves) {
    drag->MoveTo(mouse.x(), mouse.y());
    EXPECT_EQ(drag->Rect(), QRect(mouse - QPoint(25, 12), QSize(60, 30)));
    EXPECT_EQ(drag->Window()->pos(), mouse - QPoint(25, 12));
    EXPECT_TRUE(drag->Window()->isVisible());
  }
}

TEST_F(DragForm, MovingToTheSamePointTwiceChangesNothing) {
  auto drag = DragFrom({25, 12});
  EventCounter moves(drag->Window(), QEvent::Move);
  drag->MoveTo(300, 300);
  drag->MoveTo(300, 300);
  EXPECT_EQ(moves.count, 1);
  const QPoint start = cell->mapToGlobal(QPoint(25, 12));
  auto still = DragFrom({25, 12});
  EventCounter none(still->Window(), QEvent::Move);
  still->MoveTo(start.x(), start.y()); // where it already is
  EXPECT_EQ(none.count, 0);
}

TEST_F(DragForm, HidingTwiceHidesOnceAndShowingPutsItBackWhereItWas) {
  auto drag = DragFrom({25, 12});
  drag->MoveTo(400, 300);
  EventCounter hides(drag->Window(), QEvent::Hide);
  drag->Hide();
  drag->Hide();
  EXPECT_EQ(hides.count, 1);
  EXPECT_FALSE(drag->Shown());
  EXPECT_FALSE(drag->Window()->isVisible());
  drag->Show();
  EXPECT_TRUE(drag->Shown());
  EXPECT_TRUE(drag->Window()->isVisible());
  EXPECT_EQ(drag->Window()->pos(), QPoint(375, 288));
}

TEST_F(DragForm, MovingWhileHiddenOnlyChangesThePlace) {
  auto drag = DragFrom({25, 12});
  drag->Hide();
  drag->MoveTo(400, 300);
  EXPECT_FALSE(drag->Window()->isVisible());
  EXPECT_EQ(drag->Rect().topLeft(), QPoint(375, 288));
  drag->Show();
  EXPECT_EQ(drag->Window()->pos(), QPoint(375, 288));
}

TEST_F(DragForm, DestroyingItTakesThePictureAway) {
  auto drag = DragFrom({25, 12});
  QPointer<QWidget> window = drag->Window();
  EventCounter hides(window, QEvent::Hide);
  drag.reset();
  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(hides.count, 1);
}

TEST_F(DragForm, WithoutASourceWidgetThePictureIsTakenFromTheScreen) {
  RunQueued();
  const QRect area(cell->mapToGlobal(QPoint(5, 0)), QSize(30, 20));
  TWdgDragShow drag(area.x(), area.y(), area, kFace);
  ASSERT_EQ(drag.Image().size(), QSize(30, 20));
  EXPECT_EQ(drag.Image().pixelColor(10, 8), kRed);
  EXPECT_EQ(qAlpha(drag.Image().pixel(2, 2)), 0);
}

TEST(WdgDragShow, OnlyTheExactTransparentColourIsLeftOut) {
  QImage source(4, 1, QImage::Format_ARGB32);
  source.setPixelColor(0, 0, kFace);
  source.setPixelColor(1, 0, QColor(192, 192, 193));
  source.setPixelColor(2, 0, QColor(0, 0, 0));
  source.setPixel(3, 0, qRgba(192, 192, 192, 128)); // the colour, whatever its alpha
  const QImage masked = TWdgDragShow::Masked(source, kFace);
  EXPECT_EQ(qAlpha(masked.pixel(0, 0)), 0);
  EXPECT_EQ(masked.pixelColor(1, 0), QColor(192, 192, 193));
  EXPECT_EQ(masked.pixelColor(2, 0), QColor(0, 0, 0));
  EXPECT_EQ(qAlpha(masked.pixel(3, 0)), 0);
}
} // namespace

namespace {
QImage Screen(const QRect& area) {
  return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

// The offscreen screen lays windows over each other without blending their clear parts, so
// that the clear parts show what is beneath is checked on the window's own picture above.
TEST_F(DragForm, OnTheScreenTheOldPlaceComesBackAndThePictureStandsAtTheNewOne) {
  auto drag = DragFrom({25, 12});
  const QRect cellArea = CellOnScreen();
  RunQueued();
  EXPECT_EQ(Screen(cellArea).pixelColor(15, 8), kRed);
  const QRect edit(this->edit->mapToGlobal(QPoint(0, 0)), this->edit->size());
  const QImage before = Screen(QRect(edit.topLeft(), QSize(60, 30)));
  ASSERT_NE(before.pixelColor(15, 8), kRed);

  drag->MoveTo(edit.x() + 25, edit.y() + 12); // over the entry box, clear of the cell
  RunQueued();
  EXPECT_EQ(Screen(QRect(edit.topLeft(), QSize(60, 30))).pixelColor(15, 8), kRed);
  const QImage old = Screen(cellArea);
  EXPECT_EQ(old.pixelColor(15, 8), kRed); // the cell itself again
  EXPECT_EQ(old.pixelColor(2, 2), kFace);

  drag->Hide();
  RunQueued();
  EXPECT_EQ(Screen(QRect(edit.topLeft(), QSize(60, 30))), before);
}
} // namespace
