#include "PaintTestSupport.h"

#include "reports/engine/RptPagePainter.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {
constexpr double kDpi = 96;

QRect Pixels(const QRectF& mm) {
  const double k = kDpi / 25.4;
  return QRectF(mm.left() * k, mm.top() * k, mm.width() * k, mm.height() * k).toAlignedRect();
}

int DarkPixels(const QImage& image, const QRect& area) {
  int dark = 0;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++dark;
  return dark;
}
} // namespace

TEST(PagePainter, EachPageShowsItsTextsWhereTheyAreAndNothingElse) {
  const RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 3);
  for (int i = 0; i < model.PageCount(); ++i) {
    const QImage image = RptPagePainter::PageImage(model, i, kDpi);
    ASSERT_EQ(image.size(), QSize(816, 1056));  // 8.5 x 11 inches
    int inItems = 0;
    for (const RptItem& item : model.pages[i].items) {
      const int dark = DarkPixels(image, Pixels(item.rectMm));
      EXPECT_GT(dark, 20) << "page " << i + 1 << ": " << item.text.toStdString();
      inItems += dark;
    }
    EXPECT_EQ(DarkPixels(image, image.rect()), inItems) << "ink outside the items on page " << i + 1;
  }
}

TEST(PagePainter, TextIsClippedAtTheSidesOfItsRectangle) {
  RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 0);
  RptPage page;
  const QRectF rect(20, 20, 15, 5);
  page.items << PaintTest::Text(rect, QStringLiteral("A caption far too long for its box"), RptAlign::Left);
  // Right-aligned: the head of the text is cut, not the tail.
  const QRectF right(120, 20, 15, 5);
  page.items << PaintTest::Text(right, QStringLiteral("9,999,999,999.00"), RptAlign::Right);
  model.pages << page;
  const QImage image = RptPagePainter::PageImage(model, 0, kDpi);

  EXPECT_GT(DarkPixels(image, Pixels(rect)), 20);
  EXPECT_GT(DarkPixels(image, Pixels(right)), 20);
  EXPECT_EQ(DarkPixels(image, image.rect()),
            DarkPixels(image, Pixels(rect).adjusted(0, 0, 0, 4)) + DarkPixels(image, Pixels(right).adjusted(0, 0, 0, 4)));
}

TEST(PagePainter, FramesAndRulesAreDrawnOnTheirSidesOnly) {
  RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 0);
  RptPage page;
  RptItem box;
  box.rectMm = QRectF(20, 20, 100, 30);
  box.frame = RptFrameTop | RptFrameLeft;
  RptItem rule;  // a horizontal rule: no height, its top side
  rule.rectMm = QRectF(20, 80, 100, 0);
  rule.frame = RptFrameTop;
  page.items << box << rule;
  model.pages << page;
  const QImage image = RptPagePainter::PageImage(model, 0, kDpi);
  const QRect b = Pixels(box.rectMm);

  EXPECT_GT(DarkPixels(image, QRect(b.left() + 10, b.top() - 1, b.width() - 20, 3)), b.width() / 2);  // top
  EXPECT_GT(DarkPixels(image, QRect(b.left() - 1, b.top() + 10, 3, b.height() - 20)), b.height() / 2);  // left
  EXPECT_EQ(DarkPixels(image, QRect(b.right() - 2, b.top() + 10, 5, b.height() - 20)), 0);  // no right
  EXPECT_EQ(DarkPixels(image, QRect(b.left() + 10, b.bottom() - 2, b.width() - 20, 5)), 0);  // no bottom
  const QRect r = Pixels(rule.rectMm);
  EXPECT_GT(DarkPixels(image, QRect(r.left(), r.top() - 1, r.width(), 3)), r.width() / 2);
}

TEST(PagePainter, BoldAndLargerFontsPutMoreInkOnTheSameText) {
  RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 0);
  RptPage page;
  RptFont plain, bold, large;
  bold.bold = true;
  large.pointSize = 18;
  const QString text = QStringLiteral("Totals");
  page.items << PaintTest::Text(QRectF(20, 20, 80, 10), text, RptAlign::Left, plain)
             << PaintTest::Text(QRectF(20, 40, 80, 10), text, RptAlign::Left, bold)
             << PaintTest::Text(QRectF(20, 60, 80, 10), text, RptAlign::Left, large);
  model.pages << page;
  const QImage image = RptPagePainter::PageImage(model, 0, kDpi);
  const int plainInk = DarkPixels(image, Pixels(page.items[0].rectMm));
  EXPECT_GT(DarkPixels(image, Pixels(page.items[1].rectMm)), plainInk * 5 / 4);
  EXPECT_GT(DarkPixels(image, Pixels(page.items[2].rectMm)), plainInk * 2);
}

TEST(PagePainter, DrawingOnlyAnExposedStripGivesThePixelsOfTheWholePageThere) {
  // A long roll page scrolled in a preview paints a strip at a time.
  const RptPageModel model = PaintTest::Pages(RptPageSetup::Custom(101.6, 300).WithMargins(3.81, 10, 10, 10), 1);
  RptPageModel lines = model;
  for (int i = 0; i < 50; ++i)
    lines.pages[0].items << PaintTest::Text(QRectF(3.81, 20 + i * 5, 80, 5), QStringLiteral("Line %1").arg(i));
  const QImage whole = RptPagePainter::PageImage(lines, 0, kDpi);
  const QRect strip(0, 400, whole.width(), 150);

  QImage part(whole.size(), QImage::Format_RGB32);
  part.setDotsPerMeterX(whole.dotsPerMeterX());
  part.setDotsPerMeterY(whole.dotsPerMeterY());
  part.fill(Qt::white);
  QPainter painter(&part);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setClipRect(strip);
  RptPagePainter::DrawPage(painter, lines.pages[0], 1.0, QRectF(strip));
  painter.end();

  EXPECT_GT(DarkPixels(part, strip), 100);
  EXPECT_TRUE(part.copy(strip) == whole.copy(strip));
  EXPECT_EQ(DarkPixels(part, part.rect()), DarkPixels(part, strip));
}
