#include "widgets/TWdgCaret.h"

#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
// A caret held by the test for the length of a test.
struct HeldCaret {
  TWdgCaret* caret = new TWdgCaret;
  HeldCaret() { caret->AddReference(); }
  ~HeldCaret() { caret->Release(); }
};
} // namespace

TEST(TWdgCaret, NewCaretIsATwoByTenVerticalLine) {
  HeldCaret held;
  const TWdgCaret& c = *held.caret;
  EXPECT_EQ(c.Shape(), csVertLine);
  EXPECT_EQ(c.Align(), caLeft);
  EXPECT_EQ(c.CaretWidth(), 2);
  EXPECT_EQ(c.CaretHeight(), 10);
  EXPECT_EQ(c.BlinkTime(), 0);
  EXPECT_FALSE(c.IsGray());
  EXPECT_TRUE(c.Bitmap().isNull());
}

TEST(TWdgCaret, SizesOfZeroAndBelowAreIgnored) {
  HeldCaret held;
  QSignalSpy changed(held.caret, &TWdgCaret::Changed);
  held.caret->SetCaretWidth(0);
  held.caret->SetCaretWidth(-3);
  held.caret->SetCaretHeight(0);
  EXPECT_EQ(held.caret->CaretWidth(), 2);
  EXPECT_EQ(held.caret->CaretHeight(), 10);
  EXPECT_EQ(changed.count(), 0);
  held.caret->SetCaretWidth(4);
  held.caret->SetCaretWidth(4);  // unchanged: not reported again
  EXPECT_EQ(changed.count(), 1);
}

TEST(TWdgCaret, ShapeBringsItsAlignmentAndThickness) {
  struct Case {
    TWdgCaretShape shape;
    TWdgCaretAlign align;
    int width, height;
  } const cases[] = {
      {csBlock, caLeft, 7, 9},     {csHalfBlock, caBottom, 7, 9}, {csVertLine, caLeft, 2, 9},
      {csHorzLine, caBottom, 7, 2}, {csCustom, caCenter, 7, 9},
  };
  for (const Case& c : cases) {
    HeldCaret held;
    held.caret->SetShape(csCustom);
    held.caret->SetAlign(caCenter);
    held.caret->SetCaretWidth(7);
    held.caret->SetCaretHeight(9);
    held.caret->SetShape(c.shape);
    EXPECT_EQ(held.caret->Align(), c.align) << c.shape;
    EXPECT_EQ(held.caret->CaretWidth(), c.width) << c.shape;
    EXPECT_EQ(held.caret->CaretHeight(), c.height) << c.shape;
  }
}

TEST(TWdgCaret, BitmapGivesTheSizeAndHotSpotsReportOnlyForBitmapCarets) {
  HeldCaret held;
  QSignalSpy changed(held.caret, &TWdgCaret::Changed);
  held.caret->SetBitmapHotSpotX(3);
  EXPECT_EQ(held.caret->BitmapHotSpotX(), 3);
  EXPECT_EQ(changed.count(), 0);

  held.caret->SetBitmap(QImage());  // ignored
  EXPECT_EQ(changed.count(), 0);
  QImage image(5, 12, QImage::Format_RGB32);
  image.fill(Qt::white);
  held.caret->SetBitmap(image);
  held.caret->SetBitmap(image);  // always reported
  EXPECT_EQ(changed.count(), 2);
  image.fill(Qt::black);  // the caret keeps its own copy
  EXPECT_EQ(held.caret->Bitmap().pixelColor(0, 0), QColor(Qt::white));

  held.caret->SetShape(csBitmap);
  EXPECT_EQ(held.caret->CaretWidth(), 5);
  EXPECT_EQ(held.caret->CaretHeight(), 12);
  changed.clear();
  held.caret->SetBitmapHotSpotY(4);
  EXPECT_EQ(changed.count(), 1);
}

TEST(TWdgCaret, LastReleaseFreesASharedCaret) {
  QPointer<TWdgCaret> caret = new TWdgCaret;
  EXPECT_EQ(caret->References(), 0);
  caret->AddReference();
  caret->AddReference();
  caret->Release();
  ASSERT_FALSE(caret.isNull());
  EXPECT_EQ(caret->References(), 1);
  caret->Release();
  EXPECT_TRUE(caret.isNull());
}
