#include "widgets/TWdgCaretPair.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QStyleHints>
#include <QWidget>
#include <gtest/gtest.h>

TEST(TWdgCaretPair, NewPairDrawsALineInInsertAndABlockInOverwriteMode) {
  QWidget field;
  TWdgCaretPair pair(&field);
  EXPECT_TRUE(pair.InsertMode());
  EXPECT_EQ(pair.Caret(), pair.InsertCaret());
  EXPECT_EQ(pair.Size(), QSize(2, 10));
  EXPECT_EQ(pair.Offset(), QPoint(0, 0));
  pair.SetInsertMode(false);
  EXPECT_EQ(pair.Caret(), pair.OverwriteCaret());
  EXPECT_EQ(pair.Size(), QSize(10, 10));
  pair.SetCharWidth(7);
  pair.SetLineHeight(13);
  EXPECT_EQ(pair.Size(), QSize(7, 13));
}

TEST(TWdgCaretPair, FontMetricsGiveTheCell) {
  QFont font;
  font.setPixelSize(17);
  const QFontMetrics metrics(font);
  TWdgCaretPair pair;
  pair.SetFontMetrics(metrics);
  EXPECT_EQ(pair.LineHeight(), metrics.height());
  EXPECT_EQ(pair.CharWidth(), metrics.averageCharWidth());
  EXPECT_EQ(pair.Size(), QSize(2, metrics.height()));
  pair.SetInsertMode(false);
  EXPECT_EQ(pair.Size(), QSize(metrics.averageCharWidth(), metrics.height()));
}

TEST(TWdgCaretPair, ShapeAndAlignmentPlaceTheCaretInItsCell) {
  // Line 15 high, characters 9 wide; a custom caret 4 by 5.
  struct Case {
    TWdgCaretShape shape;
    TWdgCaretAlign align;
    QSize size;
    QPoint offset;
  } const cases[] = {
      {csHalfBlock, caBottom, {9, 7}, {0, 8}},  {csBlock, caLeft, {9, 15}, {0, 0}},
      {csVertLine, caLeft, {2, 15}, {0, 0}},    {csHorzLine, caBottom, {9, 2}, {0, 13}},
      {csCustom, caLeft, {4, 5}, {0, 5}},       {csCustom, caTop, {4, 5}, {2, 0}},
      {csCustom, caRight, {4, 5}, {5, 5}},      {csCustom, caBottom, {4, 5}, {2, 10}},
      {csCustom, caCenter, {4, 5}, {2, 5}},
  };
  for (const Case& c : cases) {
    TWdgSingleCaret single;
    single.SetLineHeight(15);
    single.SetCharWidth(9);
    single.Caret()->SetShape(csCustom);
    single.Caret()->SetCaretWidth(4);
    single.Caret()->SetCaretHeight(5);
    single.Caret()->SetShape(c.shape);
    single.Caret()->SetAlign(c.align);
    EXPECT_EQ(single.Size(), c.size) << c.shape << "/" << c.align;
    EXPECT_EQ(single.Offset(), c.offset) << c.shape << "/" << c.align;
  }
}

TEST(TWdgCaretPair, CentringAnOversizedCaretTruncatesTowardZero) {
  TWdgSingleCaret single;
  single.Caret()->SetShape(csCustom);
  single.Caret()->SetCaretWidth(13);
  single.Caret()->SetCaretHeight(13);
  single.Caret()->SetAlign(caCenter);
  EXPECT_EQ(single.Offset(), QPoint(-1, -1));  // (10 - 13) / 2
}

TEST(TWdgCaretPair, BitmapCaretSitsOnItsHotSpot) {
  TWdgSingleCaret single;
  QImage image(6, 6, QImage::Format_RGB32);
  image.fill(Qt::white);
  single.Caret()->SetBitmap(image);
  single.Caret()->SetShape(csBitmap);
  single.Caret()->SetAlign(caLeft);
  EXPECT_EQ(single.Offset(), QPoint(0, 2));
  single.Caret()->SetBitmapHotSpotX(3);
  single.Caret()->SetBitmapHotSpotY(1);
  EXPECT_EQ(single.Offset(), QPoint(-3, 1));
}

TEST(TWdgCaretPair, RectShowsOnlyWhileLinkedShownAndNotParked) {
  QWidget field;
  TWdgCaretPair pair(&field);
  pair.SetPosition(20, 3);
  pair.Show();
  EXPECT_TRUE(pair.Rect().isEmpty());  // not linked
  pair.Link();
  EXPECT_EQ(pair.Rect(), QRect(20, 3, 2, 10));
  pair.SetPosition(-1, 3);
  EXPECT_EQ(pair.Position(), QPoint(TWdgSingleCaret::kParked, 3));
  EXPECT_TRUE(pair.Rect().isEmpty());
  pair.SetPosition(20, 3);
  pair.Hide();
  EXPECT_TRUE(pair.Rect().isEmpty());
  pair.Show();
  pair.Unlink();
  EXPECT_TRUE(pair.Rect().isEmpty());

  // Without a field there is nothing to link to.
  TWdgCaretPair orphan;
  orphan.Link();
  EXPECT_FALSE(orphan.Linked());
}

TEST(TWdgCaretPair, ACaretChangeLaysTheCaretOutAgainAndKeepsItLinked) {
  QWidget field;
  TWdgCaretPair pair(&field);
  pair.Link();
  pair.Show();
  pair.SetPosition(0, 0);
  QSignalSpy changed(&pair, &TWdgSingleCaret::Changed);
  pair.Caret()->SetShape(csHalfBlock);
  EXPECT_GT(changed.count(), 0);
  EXPECT_TRUE(pair.Linked());
  EXPECT_EQ(pair.Rect(), QRect(0, 5, 10, 5));

  // A hot spot of a caret that shows no bitmap changes nothing.
  changed.clear();
  pair.Caret()->SetBitmapHotSpotX(4);
  EXPECT_EQ(changed.count(), 0);
}

TEST(TWdgCaretPair, BlinkTimeIsTheFieldsOwnAndLeavesTheSystemAlone) {
  const int systemFlash = QGuiApplication::styleHints()->cursorFlashTime();
  QWidget field;
  TWdgCaretPair pair(&field);
  EXPECT_EQ(pair.BlinkInterval(), systemFlash / 2);
  pair.Caret()->SetBlinkTime(300);
  pair.Link();
  EXPECT_EQ(pair.BlinkInterval(), 300);
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), systemFlash);
  pair.Unlink();
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), systemFlash);
}

TEST(TWdgCaretPair, SharedCaretsLiveAsLongAsTheirLastUser) {
  QPointer<TWdgCaret> shared = new TWdgCaret;
  shared->SetShape(csHalfBlock);
  QPointer<TWdgCaret> oldOverwrite;
  {
    TWdgCaretPair first;
    {
      TWdgCaretPair second;
      oldOverwrite = second.OverwriteCaret();
      first.SetOverwriteCaret(shared);
      second.SetOverwriteCaret(shared);
      EXPECT_TRUE(oldOverwrite.isNull());  // replaced and released by its only user
      second.SetInsertMode(false);
      EXPECT_EQ(second.Caret(), shared.data());
      EXPECT_EQ(shared->References(), 3);
    }
    ASSERT_FALSE(shared.isNull());
    EXPECT_EQ(shared->References(), 1);
    // Replacing the caret in use puts the new one in use.
    first.SetInsertMode(false);
    QPointer<TWdgCaret> block = new TWdgCaret;
    first.SetOverwriteCaret(block);
    EXPECT_EQ(first.Caret(), block.data());
    EXPECT_TRUE(shared.isNull());
    EXPECT_EQ(block->References(), 2);
  }
}
