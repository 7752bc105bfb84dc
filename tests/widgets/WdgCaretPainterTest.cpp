#include "widgets/WdgCaretPainter.h"

#include "widgets/TWdgCaretPair.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
QImage White() {
  QImage image(30, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void Paint(QImage& image, const TWdgSingleCaret& caret) {
  QPainter painter(&image);
  PaintCaret(painter, caret);
}

// The bounding rectangle of the pixels that are not `background`.
QRect Drawn(const QImage& image, QColor background) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != background) bounds |= QRect(x, y, 1, 1);
  return bounds;
}
} // namespace

TEST(WdgCaretPainter, SolidCaretInvertsItsRectangleAndASecondPaintRestores) {
  QWidget field;
  TWdgCaretPair pair(&field);
  pair.SetPosition(5, 4);
  pair.Link();
  pair.Show();
  QImage image = White();
  image.setPixelColor(6, 8, Qt::black);  // a pixel of text under the caret
  Paint(image, pair);
  EXPECT_EQ(image.pixelColor(5, 4), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(6, 13), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(6, 8), QColor(Qt::white));
  EXPECT_EQ(Drawn(image, Qt::white), QRect(5, 4, 2, 10));

  image = White();
  Paint(image, pair);
  Paint(image, pair);
  EXPECT_TRUE(Drawn(image, Qt::white).isNull());
}

TEST(WdgCaretPainter, GreyBlockAndHiddenCarets) {
  QWidget field;
  TWdgCaretPair pair(&field);
  pair.SetInsertMode(false);
  pair.Caret()->SetIsGray(true);
  pair.SetPosition(2, 2);
  pair.Link();
  pair.Show();
  QImage image = White();
  Paint(image, pair);
  EXPECT_EQ(image.pixelColor(3, 3), QColor(127, 127, 127));
  EXPECT_EQ(Drawn(image, Qt::white), QRect(2, 2, 10, 10));

  pair.Hide();
  image = White();
  Paint(image, pair);
  EXPECT_TRUE(Drawn(image, Qt::white).isNull());
}

TEST(WdgCaretPainter, BitmapCaretDrawsItsImageAtTheHotSpot) {
  QWidget field;
  TWdgSingleCaret single(&field);
  QImage shape(3, 3, QImage::Format_RGB32);
  shape.fill(Qt::black);
  shape.setPixelColor(1, 1, Qt::white);  // only the centre inverts
  single.Caret()->SetBitmap(shape);
  single.Caret()->SetShape(csBitmap);
  single.Caret()->SetBitmapHotSpotX(1);
  single.Caret()->SetBitmapHotSpotY(1);
  single.SetLineHeight(3);
  single.SetPosition(10, 10);
  single.Link();
  single.Show();
  QImage image = White();
  Paint(image, single);
  EXPECT_EQ(Drawn(image, Qt::white), QRect(10, 10, 1, 1));
}
