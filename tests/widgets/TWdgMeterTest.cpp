#include "widgets/TWdgMeter.h"

#include <QImage>
#include <functional>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QColor kLime(0, 255, 0);
const QColor kWhite(255, 255, 255);

QImage Shot(QWidget& widget) { return widget.grab().toImage(); }

// A meter with known part colours: lime used, white unused.
struct LimeMeter : TWdgMeter {
  LimeMeter() {
    SetUsedColor(kLime);
    SetUnusedColor(kWhite);
  }
};

int CountColumns(const QImage& image, int row, int from, int to, const QColor& color) {
  int count = 0;
  for (int x = from; x <= to; ++x) count += image.pixelColor(x, row) == color;
  return count;
}

int CountRows(const QImage& image, int column, int from, int to, const QColor& color) {
  int count = 0;
  for (int y = from; y <= to; ++y) count += image.pixelColor(column, y) == color;
  return count;
}

// Pixels inside the bar that show neither part's colour: the text.
QRect TextBounds(const QImage& image, const QRect& bar, const std::function<void(QColor, int)>& each) {
  QRect bounds;
  for (int y = bar.top(); y <= bar.bottom(); ++y)
    for (int x = bar.left(); x <= bar.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c == kLime || c == kWhite) continue;
      bounds |= QRect(x, y, 1, 1);
      if (each) each(c, x);
    }
  return bounds;
}

struct CountingMeter : LimeMeter {
  std::vector<int> painted; // the percent each paint showed
  void paintEvent(QPaintEvent* event) override {
    painted.push_back(Percent());
    LimeMeter::paintEvent(event);
  }
};
} // namespace

TEST(WdgMeter, StartsAsTheLibraryGivesIt) {
  TWdgMeter meter;
  EXPECT_EQ(meter.size(), QSize(200, 24));
  EXPECT_EQ(meter.sizeHint(), QSize(200, 24));
  EXPECT_EQ(meter.Percent(), 33);
  EXPECT_EQ(meter.PercentText(), "33%");
  EXPECT_FALSE(meter.ShowPercent());
  EXPECT_TRUE(meter.InvertPercent());
  EXPECT_TRUE(meter.Ctl3D());
  EXPECT_EQ(meter.BorderStyle(), TWdgMeter::bsSingle);
  EXPECT_EQ(meter.Orientation(), TMeterOrientation::moHorizontal);
  EXPECT_EQ(meter.UsedColor(), kLime);
  EXPECT_EQ(meter.UnusedColor(), meter.palette().color(QPalette::Base));
  EXPECT_EQ(meter.About(), "v1.0");
}

struct SplitCase {
  int length, percent;
  TWdgMeter::Parts parts;
};

TEST(WdgMeter, TheLengthRuleNeverDrawsOneOrTwoPixelsAndLeavesTwoUnused) {
  const SplitCase cases[] = {
      {197, 0, {0, 197}},   {197, 1, {0, 197}},  {197, 2, {3, 193}},  {197, 50, {98, 98}},
      {197, 98, {193, 3}},  {197, 99, {194, 2}}, {197, 100, {197, 0}}, {21, 14, {0, 21}},
      {21, 15, {3, 17}},    {21, 95, {18, 2}},   {5, 80, {0, 5}},      {5, 100, {5, 0}},
      {0, 50, {0, 0}},
  };
  for (const SplitCase& c : cases)
    EXPECT_EQ(TWdgMeter::SplitLength(c.length, c.percent), c.parts)
        << "length " << c.length << ", " << c.percent << "%";
}

struct BarCase {
  int percent, usedPixels, unusedPixels;
  QString text;
};

// On 200 x 24 with the sunken border the bar is columns 2..197 (the rule's length 197).
TEST(WdgMeter, TheBarShowsTheClampedPercentInItsColours) {
  const BarCase cases[] = {
      {0, 0, 196, "0%"},      {1, 0, 196, "1%"},      {2, 3, 193, "2%"},
      {50, 98, 98, "50%"},    {99, 194, 2, "99%"},    {100, 196, 0, "100%"},
      {150, 196, 0, "100%"},  {-5, 0, 196, "0%"},     {1000000, 196, 0, "100%"},
  };
  LimeMeter meter;
  ASSERT_EQ(meter.BarRect(), QRect(2, 2, 196, 20));
  for (const BarCase& c : cases) {
    meter.SetPercent(c.percent);
    EXPECT_EQ(meter.Percent(), c.percent);
    EXPECT_EQ(meter.PercentText(), c.text);
    const QImage image = Shot(meter);
    for (int row : {2, 12, 21}) {
      EXPECT_EQ(CountColumns(image, row, 2, 1 + c.usedPixels, kLime), c.usedPixels)
          << c.percent << "% row " << row; // the used part starts at the left, unbroken
      EXPECT_EQ(CountColumns(image, row, 2 + c.usedPixels, 197, kWhite), c.unusedPixels)
          << c.percent << "% row " << row;
    }
  }
}

TEST(WdgMeter, TheSunkenBorderIsTwoFramesAndThePlainOneIsBlack) {
  LimeMeter meter;
  meter.SetPercent(100);
  const QRgb shadow = meter.palette().color(QPalette::Dark).rgb();
  const QRgb highlight = meter.palette().color(QPalette::Light).rgb();
  QImage image = Shot(meter);
  EXPECT_EQ(image.pixel(0, 12), shadow);
  EXPECT_EQ(image.pixel(100, 0), shadow);
  EXPECT_EQ(image.pixel(1, 12), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(100, 1), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(199, 12), highlight);
  EXPECT_EQ(image.pixel(198, 12), highlight);
  EXPECT_EQ(image.pixel(100, 23), highlight);
  EXPECT_EQ(image.pixel(100, 22), highlight);

  meter.SetCtl3D(false);
  EXPECT_EQ(meter.BarRect(), QRect(1, 1, 198, 22));
  image = Shot(meter);
  for (QPoint p : {QPoint(0, 12), QPoint(199, 12), QPoint(100, 0), QPoint(100, 23)})
    EXPECT_EQ(image.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
  EXPECT_EQ(CountColumns(image, 12, 1, 198, kLime), 198);

  meter.SetBorderStyle(TWdgMeter::bsNone);
  EXPECT_EQ(meter.BarRect(), meter.rect());
  EXPECT_EQ(CountColumns(Shot(meter), 0, 0, 199, kLime), 200);
}

// The text sits in the middle and shows in the inverse of each part under it.
TEST(WdgMeter, TheTextIsCentredAndInvertedOverBothParts) {
  LimeMeter meter;
  meter.SetPercent(50); // used 2..99, unused 100..197: the text crosses the boundary
  EXPECT_EQ(TextBounds(Shot(meter), meter.BarRect(), {}), QRect()) << "no text until shown";
  meter.SetShowPercent(true);
  int overUsed = 0, overUnused = 0;
  const QRect text = TextBounds(Shot(meter), meter.BarRect(), [&](QColor c, int x) {
    if (x < 100) {
      EXPECT_EQ(c, QColor(255, 0, 255)) << "over the used part, column " << x;
      ++overUsed;
    } else {
      EXPECT_EQ(c, QColor(Qt::black)) << "over the unused part, column " << x;
      ++overUnused;
    }
  });
  ASSERT_FALSE(text.isEmpty());
  EXPECT_GT(overUsed, 0);
  EXPECT_GT(overUnused, 0);
  const QPointF centre = QRectF(text).center();
  EXPECT_NEAR(centre.x(), 100.0, 2.0);
  EXPECT_NEAR(centre.y(), 12.0, 2.5);
  EXPECT_GT(text.width(), 6);

  meter.SetInvertPercent(false);
  bool inverted = false;
  const QRect plain = TextBounds(Shot(meter), meter.BarRect(), [&](QColor c, int) {
    inverted |= c == QColor(255, 0, 255);
  });
  EXPECT_FALSE(plain.isEmpty());
  EXPECT_FALSE(inverted);
  EXPECT_NEAR(QRectF(plain).center().x(), 100.0, 2.0);
}

TEST(WdgMeter, ANewValueIsPaintedBeforeTheSetterReturnsAndTheSameValueNotAtAll) {
  CountingMeter meter;
  meter.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&meter));
  QCoreApplication::processEvents();
  meter.painted.clear();
  meter.SetPercent(40);
  EXPECT_EQ(meter.painted, std::vector<int>{40});
  meter.SetPercent(40);
  QCoreApplication::processEvents();
  EXPECT_EQ(meter.painted, std::vector<int>{40});
  meter.SetPercent(150);
  EXPECT_EQ(meter.painted, (std::vector<int>{40, 150}));

  // The other properties ignore an unchanged value too.
  meter.painted.clear();
  meter.SetUsedColor(kLime);
  meter.SetUnusedColor(kWhite);
  meter.SetCtl3D(true);
  meter.SetBorderStyle(TWdgMeter::bsSingle);
  meter.SetShowPercent(false);
  meter.SetInvertPercent(false); // the text is hidden: nothing to paint again
  meter.SetOrientation(TMeterOrientation::moHorizontal);
  QCoreApplication::processEvents();
  EXPECT_TRUE(meter.painted.empty());
  meter.SetUsedColor(Qt::blue);
  QCoreApplication::processEvents();
  EXPECT_EQ(meter.painted.size(), 1u);
}

TEST(WdgMeter, AVerticalMeterFillsUpFromTheBottom) {
  LimeMeter meter;
  meter.SetOrientation(TMeterOrientation::moVertical);
  EXPECT_EQ(meter.size(), QSize(24, 200));
  EXPECT_EQ(meter.sizeHint(), QSize(24, 200));
  const BarCase cases[] = {{1, 0, 196, "1%"}, {2, 3, 193, "2%"}, {99, 194, 2, "99%"},
                           {100, 196, 0, "100%"}};
  for (const BarCase& c : cases) {
    meter.SetPercent(c.percent);
    const QImage image = Shot(meter);
    EXPECT_EQ(CountRows(image, 12, 198 - c.usedPixels, 197, kLime), c.usedPixels) << c.percent;
    EXPECT_EQ(CountRows(image, 12, 2, 197 - c.usedPixels, kWhite), c.unusedPixels) << c.percent;
  }
  meter.SetOrientation(TMeterOrientation::moHorizontal);
  EXPECT_EQ(meter.size(), QSize(200, 24));
}

namespace {
// An image as long as the bar's length rule (197), red for its first 98 pixels, then blue.
QPixmap RedThenBlue(Qt::Orientation along) {
  QPixmap image(along == Qt::Horizontal ? QSize(197, 20) : QSize(20, 197));
  image.fill(Qt::blue);
  QPainter painter(&image);
  painter.fillRect(along == Qt::Horizontal ? QRect(0, 0, 98, 20) : QRect(0, 0, 20, 98), Qt::red);
  return image;
}

QPixmap Solid(const QColor& color) {
  QPixmap image(10, 10);
  image.fill(color);
  return image;
}
} // namespace

TEST(WdgMeter, ImagesTakeThePlaceOfThePartsColours) {
  const QColor red(Qt::red), blue(Qt::blue), yellow(Qt::yellow);
  LimeMeter meter;
  meter.SetUsedImage(RedThenBlue(Qt::Horizontal));
  meter.SetUnusedImage(Solid(Qt::yellow));
  meter.SetPercent(50); // used 98 pixels: the image's red share, then the unused image
  QImage image = Shot(meter);
  EXPECT_EQ(CountColumns(image, 12, 2, 99, red), 98);
  EXPECT_EQ(CountColumns(image, 12, 100, 197, yellow), 98);
  meter.SetPercent(100); // the whole used image over the whole bar
  image = Shot(meter);
  EXPECT_GT(CountColumns(image, 12, 2, 197, red), 90);
  EXPECT_GT(CountColumns(image, 12, 2, 197, blue), 90);
  EXPECT_EQ(CountColumns(image, 12, 2, 197, red) + CountColumns(image, 12, 2, 197, blue), 196);
  meter.SetPercent(0);
  EXPECT_EQ(CountColumns(Shot(meter), 12, 2, 197, yellow), 196);

  // An image on one part only leaves the other in its colour.
  meter.SetUnusedImage(QPixmap());
  meter.SetPercent(50);
  image = Shot(meter);
  EXPECT_EQ(CountColumns(image, 12, 2, 99, red), 98);
  EXPECT_EQ(CountColumns(image, 12, 100, 197, kWhite), 98);
}

TEST(WdgMeter, AVerticalMeterShowsTheWholeUsedImageAndTheTopOfTheUnusedOne) {
  const QColor red(Qt::red), yellow(Qt::yellow);
  LimeMeter meter;
  meter.SetOrientation(TMeterOrientation::moVertical);
  meter.SetUnusedImage(RedThenBlue(Qt::Vertical));
  meter.SetPercent(50); // used rows 100..197, unused rows 2..99: the unused image's red share
  QImage image = Shot(meter);
  EXPECT_EQ(CountRows(image, 12, 2, 99, red), 98);
  EXPECT_EQ(CountRows(image, 12, 100, 197, kLime), 98);

  meter.SetUsedImage(Solid(Qt::yellow));
  image = Shot(meter);
  EXPECT_EQ(CountRows(image, 12, 2, 99, red), 98);
  EXPECT_EQ(CountRows(image, 12, 100, 197, yellow), 98);
  // With a used image the meter keeps its size when it turns.
  meter.SetOrientation(TMeterOrientation::moHorizontal);
  EXPECT_EQ(meter.size(), QSize(24, 200));
}
