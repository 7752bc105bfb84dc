// Editing a numeric field: keys, mouse, clipboard, Restore, the context menu and the display.
#include "EntryFieldFixture.h"

#include "widgets/TWdgCaretPair.h"
#include "widgets/TWdgEfColors.h"
#include "widgets/core/WdgExceptions.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>

namespace entryfieldtest {
namespace {
using NumericFieldEdit = EntryFieldTest;

// Clicks the field with the mouse, the way the focus arrives by a click.
void ClickInto(TWdgNumericField* field) {
  QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(5, field->height() / 2));
  Settle();
}

struct RefusedCase {
  const char* shown;
  Qt::Key key;
  const char* text;
};

TEST_F(NumericFieldEdit, RefusedKeysBeepAndChangeNothing) {
  const RefusedCase cases[] = {
      {"255", Qt::Key_4, "4"},     {"12", Qt::Key_Minus, "-"}, {"12", Qt::Key_Period, "."},
      {"12", Qt::Key_A, "a"},      {"12", Qt::Key_Space, " "}, {"0", Qt::Key_Minus, "-"},
  };
  for (const RefusedCase& c : cases) {
    dialog.from->SetIntValue(QString::fromLatin1(c.shown).toInt());
    ClickInto(dialog.from);
    dialog.to->setFocus(Qt::TabFocusReason);  // leave and come back by mouse: nothing selected
    Settle();
    ClickInto(dialog.from);
    ASSERT_FALSE(dialog.from->hasSelectedText());
    const int before = beeper.beeps;
    QTest::keyClick(dialog.from, c.key, Qt::NoModifier);
    EXPECT_EQ(beeper.beeps, before + 1) << c.text;
    EXPECT_EQ(dialog.from->text(), QString::fromLatin1(c.shown)) << c.text;
    EXPECT_FALSE(dialog.from->Modified()) << c.text;
  }
  EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(NumericFieldEdit, AMouseFocusedZeroIsReplacedByTheFirstDigit) {
  ClickInto(dialog.from);
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  EXPECT_FALSE(dialog.from->hasSelectedText());
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
  QTest::keyClick(dialog.from, Qt::Key_7);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("7"));
  QTest::keyClick(dialog.from, Qt::Key_Backspace);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
  EXPECT_EQ(dialog.from->cursorPosition(), 1);  // the caret stays at the right edge
  EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(NumericFieldEdit, TabInSelectsAllAndTheFirstDigitReplacesIt) {
  dialog.from->SetIntValue(123);
  TabInto(dialog.from);
  EXPECT_EQ(dialog.from->selectedText(), QStringLiteral("123"));
  QTest::keyClick(dialog.from, Qt::Key_4);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("4"));
  EXPECT_FALSE(dialog.from->hasSelectedText());
  QTest::keyClick(dialog.from, Qt::Key_5);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("45"));
}

TEST_F(NumericFieldEdit, WithoutAutoSelectTabInSelectsNothing) {
  dialog.controller->SetEntryOptions(efoBeepOnError);
  dialog.from->SetIntValue(12);
  TabInto(dialog.from);
  EXPECT_FALSE(dialog.from->hasSelectedText());
  QTest::keyClick(dialog.from, Qt::Key_3);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("123"));
}

TEST_F(NumericFieldEdit, ARefusedKeyLeavesTheSelectedValue) {
  dialog.from->SetIntValue(123);
  TabInto(dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_A);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("123"));
  EXPECT_EQ(dialog.from->selectedText(), QStringLiteral("123"));
  EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(NumericFieldEdit, MouseClickDeselectsDragDoesNothingDoubleClickSelectsAll) {
  dialog.from->SetIntValue(123);
  TabInto(dialog.from);
  ASSERT_TRUE(dialog.from->hasSelectedText());
  QTest::mouseClick(dialog.from, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_FALSE(dialog.from->hasSelectedText());
  EXPECT_EQ(dialog.from->cursorPosition(), 3);
  QTest::mousePress(dialog.from, Qt::LeftButton, Qt::NoModifier, QPoint(dialog.from->width() - 4, 5));
  QTest::mouseMove(dialog.from, QPoint(2, 5));
  QTest::mouseRelease(dialog.from, Qt::LeftButton, Qt::NoModifier, QPoint(2, 5));
  EXPECT_FALSE(dialog.from->hasSelectedText());
  QTest::mouseDClick(dialog.from, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(dialog.from->selectedText(), QStringLiteral("123"));
}

struct RestoreCase {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

TEST_F(NumericFieldEdit, RestoreBringsBackTheTextTheFocusFound) {
  const RestoreCase cases[] = {{Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Backspace, Qt::AltModifier}};
  for (const RestoreCase& c : cases) {
    dialog.from->SetIntValue(12);
    TabInto(dialog.from);
    QTest::keyClicks(dialog.from, QStringLiteral("56"));
    ASSERT_EQ(dialog.from->text(), QStringLiteral("56"));
    EXPECT_TRUE(dialog.from->Modified());
    QTest::keyClick(dialog.from, c.key, c.modifiers);
    EXPECT_EQ(dialog.from->text(), QStringLiteral("12"));
    EXPECT_EQ(dialog.from->selectedText(), QStringLiteral("12"));
    EXPECT_FALSE(dialog.from->Modified());
    // Typing goes on from the restored value.
    QTest::keyClick(dialog.from, Qt::Key_9);
    EXPECT_EQ(dialog.from->text(), QStringLiteral("9"));
    dialog.to->setFocus(Qt::TabFocusReason);
    Settle();
  }
  EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(NumericFieldEdit, RestoreAfterAFailedLeaveKeepsTheFirstArrivalsText) {
  dialog.from->SetIntValue(12);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  Tab(dialog.from);
  ASSERT_EQ(sink.boxes.size(), 1u);
  ASSERT_EQ(QApplication::focusWidget(), dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("12"));
}

TEST_F(NumericFieldEdit, CopyCutAndPaste) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  dialog.from->SetIntValue(123);
  TabInto(dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("123"));
  EXPECT_EQ(dialog.from->text(), QStringLiteral("123"));

  // Letters change nothing, not even the selection, and do not beep; digits go through the
  // typing rules and replace the selection.
  clipboard->setText(QStringLiteral("abc"));
  QTest::keyClick(dialog.from, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("123"));
  EXPECT_EQ(dialog.from->selectedText(), QStringLiteral("123"));
  EXPECT_FALSE(dialog.from->Modified());
  clipboard->setText(QStringLiteral("2a5-59"));
  QTest::keyClick(dialog.from, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("255"));
  EXPECT_EQ(beeper.beeps, 0);

  QTest::keyClick(dialog.from, Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(dialog.from->selectedText(), QStringLiteral("255"));
  QTest::keyClick(dialog.from, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("255"));
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
}

TEST_F(NumericFieldEdit, ArrowsHomeAndEndDoNothing) {
  dialog.from->SetIntValue(12);
  ClickInto(dialog.from);
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down})
    QTest::keyClick(dialog.from, key);
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_3);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("123"));
  EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(NumericFieldEdit, AutoAdvanceMovesOnWhenTheFieldIsFull) {
  dialog.controller->SetEntryOptions(TWdgBaseEFOptions(efoAutoSelect) | efoBeepOnError | efoAutoAdvanceChar);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("25"));
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_5);
  Settle();
  EXPECT_EQ(QApplication::focusWidget(), dialog.to);
  EXPECT_EQ(dialog.from->GetIntValue(), 255);
  EXPECT_TRUE(sink.boxes.empty());
}

// ---- the context menu

struct MenuCase {
  const char* name;
  bool modified, selected, readOnly, clipboardText;
  bool restore, cut, copy, paste, del, selectAll;
};

TEST_F(NumericFieldEdit, TheContextMenuEnablesWhatCanBeDone) {
  const MenuCase cases[] = {
      {"fresh", false, false, false, false, false, false, false, false, false, true},
      {"typed", true, false, false, true, true, false, false, true, false, true},
      {"selected", false, true, false, true, false, true, true, true, true, false},
      {"read-only", false, true, true, true, false, false, true, false, false, false},
  };
  for (const MenuCase& c : cases) {
    dialog.from->SetOptions(c.readOnly ? dialog.from->Options() | efoReadOnly
                                       : dialog.from->Options() & ~TWdgEntryFieldOptions(efoReadOnly));
    dialog.from->SetIntValue(12);
    ClickInto(dialog.from);
    if (c.modified) QTest::keyClick(dialog.from, Qt::Key_3);
    if (c.selected) dialog.from->selectAll();
    QGuiApplication::clipboard()->setText(c.clipboardText ? QStringLiteral("7") : QString());
    std::unique_ptr<QMenu> menu(dialog.from->CreateDefaultMenu());
    std::vector<std::pair<QString, bool>> items;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) items.emplace_back(action->text(), action->isEnabled());
    const std::vector<std::pair<QString, bool>> expected = {
        {QStringLiteral("&Restore"), c.restore}, {QStringLiteral("Cu&t"), c.cut},
        {QStringLiteral("&Copy"), c.copy},       {QStringLiteral("&Paste"), c.paste},
        {QStringLiteral("&Delete"), c.del},      {QStringLiteral("Select &All"), c.selectAll}};
    EXPECT_EQ(items, expected) << c.name;
    dialog.to->setFocus(Qt::TabFocusReason);
    Settle();
  }
}

TEST_F(NumericFieldEdit, TheMenuItemsDoWhatTheKeysDo) {
  dialog.from->SetIntValue(12);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("45"));
  auto trigger = [this](const QString& text) {
    std::unique_ptr<QMenu> menu(dialog.from->CreateDefaultMenu());
    for (QAction* action : menu->actions())
      if (action->text() == text) action->trigger();
  };
  trigger(QStringLiteral("&Restore"));
  EXPECT_EQ(dialog.from->text(), QStringLiteral("12"));
  trigger(QStringLiteral("&Delete"));
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
  QGuiApplication::clipboard()->setText(QStringLiteral("77"));
  trigger(QStringLiteral("&Paste"));
  EXPECT_EQ(dialog.from->text(), QStringLiteral("77"));
  trigger(QStringLiteral("Select &All"));
  EXPECT_EQ(dialog.from->selectedText(), QStringLiteral("77"));
}

TEST_F(NumericFieldEdit, AReadOnlyFieldBeepsOnChangesButCopies) {
  dialog.from->SetOptions(dialog.from->Options() | efoReadOnly);
  dialog.from->SetIntValue(12);
  TabInto(dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
  for (Qt::Key key : {Qt::Key_5, Qt::Key_Backspace, Qt::Key_Delete})
    QTest::keyClick(dialog.from, key);
  QTest::keyClick(dialog.from, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(dialog.from, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(beeper.beeps, 5);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("12"));
}

// ---- display

TEST_F(NumericFieldEdit, TheTextSitsFlushRightWithTheCaretAtTheRightEdge) {
  dialog.from->SetIntValue(7);
  ClickInto(dialog.from);
  EXPECT_TRUE(dialog.from->alignment() & Qt::AlignRight);
  EXPECT_EQ(dialog.from->cursorPosition(), 1);
  const QImage shot = dialog.from->grab().toImage();
  const QColor base = dialog.from->palette().color(QPalette::Base);
  // The digit's ink lies in the right half of the field.
  int leftmostInk = shot.width();
  for (int y = 3; y < shot.height() - 3; ++y)
    for (int x = 3; x < shot.width() - 3; ++x)
      if (shot.pixelColor(x, y) != base) leftmostInk = std::min(leftmostInk, x);
  EXPECT_GT(leftmostInk, shot.width() / 2);
}

TEST_F(NumericFieldEdit, ADisabledFieldIsGreyOnTheWindowColourWithoutSelection) {
  dialog.from->SetIntValue(123);
  TabInto(dialog.from);
  ASSERT_TRUE(dialog.from->hasSelectedText());
  const QColor enabledBase = dialog.from->palette().color(QPalette::Active, QPalette::Base);
  dialog.from->setEnabled(false);
  EXPECT_FALSE(dialog.from->hasSelectedText());
  const QImage shot = dialog.from->grab().toImage();
  const QColor grey = dialog.from->palette().color(QPalette::Disabled, QPalette::Text);
  EXPECT_EQ(shot.pixelColor(4, shot.height() / 2), enabledBase);
  bool greyInk = false;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = shot.width() / 2; x < shot.width(); ++x) greyInk |= shot.pixelColor(x, y) == grey;
  EXPECT_TRUE(greyInk);
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldTypes = EntryFieldTest;

TEST_F(NumericFieldTypes, ASignedPictureTogglesTheSignLeftOfTheDigits) {
  dialog.from->SetDataType(nftShortInt);
  EXPECT_EQ(dialog.from->PictureMask(), QStringLiteral("iiii"));
  EXPECT_EQ(dialog.from->RangeLo(), -128);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("12-"));
  EXPECT_EQ(dialog.from->text(), QStringLiteral("-12"));
  QTest::keyClick(dialog.from, Qt::Key_Minus);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("12"));
  QTest::keyClicks(dialog.from, QStringLiteral("-3"));
  EXPECT_EQ(dialog.from->text(), QStringLiteral("-123"));
  Tab(dialog.from);
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(dialog.from->GetIntValue(), -123);
  EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(NumericFieldTypes, ANewDataTypeBringsItsPictureRangeAndZero) {
  dialog.from->SetIntValue(200);
  dialog.from->SetDataType(nftWord);
  EXPECT_EQ(dialog.from->PictureMask(), QStringLiteral("99999"));
  EXPECT_EQ(dialog.from->RangeLo(), 0);
  EXPECT_EQ(dialog.from->RangeHi(), 65535);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
  EXPECT_EQ(dialog.from->DataTypeCode(), 133);
  EXPECT_THROW(dialog.from->SetDataType(TNumericDataType(42)), EWdgException);
  EXPECT_EQ(dialog.from->DataType(), nftWord);
}

TEST_F(NumericFieldTypes, EqualLimitsGiveTheTypesRangeAndWrongLimitsAreRefused) {
  dialog.from->SetRange(0, 0);
  EXPECT_EQ(dialog.from->RangeHi(), 255);
  EXPECT_THROW(dialog.from->SetRangeHiText(QStringLiteral("256")), EInvalidRangeValue);
  EXPECT_EQ(dialog.from->RangeHiText(), QStringLiteral("255"));
  // A value the type cannot hold is never cut to its width.
  EXPECT_THROW(dialog.from->SetIntValue(300), EInvalidRangeValue);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
}

TEST_F(NumericFieldTypes, ArrowsStepTheValueWhenTheFieldAsksForIt) {
  dialog.from->SetOptions(dialog.from->Options() | efoArrowIncDec);
  dialog.from->SetRange(1, 24);
  dialog.from->SetIntValue(23);
  TabInto(dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_Up);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("24"));
  QTest::keyClick(dialog.from, Qt::Key_Up);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("1"));  // past the end, round to the start
  QTest::keyClick(dialog.from, Qt::Key_Down);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("24"));
  EXPECT_TRUE(dialog.from->Modified());
}

TEST_F(NumericFieldTypes, OnChangeFollowsTheUsersEditsOnly) {
  int changes = 0;
  dialog.from->OnChange = [&changes](QObject*) { ++changes; };
  dialog.from->SetIntValue(5);
  EXPECT_EQ(changes, 0);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("12"));
  QTest::keyClick(dialog.from, Qt::Key_A);  // refused
  QTest::keyClick(dialog.from, Qt::Key_Backspace);
  EXPECT_EQ(changes, 3);
}

TEST_F(NumericFieldTypes, ARequiredFieldMustNotBeLeftEmpty) {
  dialog.from->SetOptions(dialog.from->Options() | efoInputRequired);
  TabInto(dialog.from);
  dialog.from->SetEditText(QString());
  Tab(dialog.from);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{QStringLiteral("A value is required in this field")});
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
}

TEST_F(NumericFieldTypes, EscapeCancelsTheWindowWithoutACheck) {
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  QTest::keyClick(dialog.from, Qt::Key_Escape);
  Settle();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(sink.boxes.empty());
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldDisplay = EntryFieldTest;

TEST_F(NumericFieldDisplay, APadCharacterFillsTheFreePositions) {
  dialog.from->SetIntValue(5);
  dialog.from->SetPadChar(u'0');
  EXPECT_EQ(dialog.from->text(), QStringLiteral("005"));
  EXPECT_EQ(dialog.from->GetIntValue(), 5);
}

struct SignCase {
  const char* picture;
  int value;
  const char* shown;
};

TEST_F(NumericFieldDisplay, NegativesShowInParenthesesOrWithATrailingMinus) {
  const SignCase cases[] = {
      {"iiii", -12, "-12"}, {"iiiip", -12, "(12)"}, {"iiiip", 12, "12"},
      {"iiiig", -12, "12-"}, {"iiiig", 12, "12"},
  };
  dialog.from->SetDataType(nftShortInt);
  for (const SignCase& c : cases) {
    dialog.from->SetPictureMask(QString::fromLatin1(c.picture));
    dialog.from->SetIntValue(c.value);
    EXPECT_EQ(dialog.from->text(), QString::fromLatin1(c.shown)) << c.picture << " " << c.value;
    EXPECT_EQ(dialog.from->GetIntValue(), c.value) << c.picture;
  }
}

TEST_F(NumericFieldDisplay, AHiddenZeroShowsWhileTheFieldHasTheFocus) {
  dialog.from->SetZeroDisplay(zdHide);
  EXPECT_EQ(dialog.from->text(), QString());
  TabInto(dialog.from);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
  QTest::keyClick(dialog.from, Qt::Key_5);
  Tab(dialog.from);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("5"));
  dialog.from->SetIntValue(0);
  EXPECT_EQ(dialog.from->text(), QString());
}

TEST_F(NumericFieldDisplay, HideUntilModifiedShowsAZeroTheUserTyped) {
  dialog.from->SetZeroDisplay(zdHideUntilModified);
  EXPECT_EQ(dialog.from->text(), QString());
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("5"));
  QTest::keyClick(dialog.from, Qt::Key_Backspace);
  Tab(dialog.from);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
}

TEST_F(NumericFieldDisplay, AnUninitializedFieldIsBlankUntilItHasTheFocus) {
  dialog.from->SetIntValue(7);
  dialog.from->SetUninitialized(true);
  EXPECT_EQ(dialog.from->text(), QString());
  TabInto(dialog.from);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("7"));
  QTest::keyClick(dialog.from, Qt::Key_8);
  Tab(dialog.from);
  EXPECT_FALSE(dialog.from->Uninitialized());
  EXPECT_EQ(dialog.from->text(), QStringLiteral("8"));
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldCaret = EntryFieldTest;

// Share of the rectangle's pixels that are dark.
double DarkShare(const QImage& image, const QRect& rect) {
  int dark = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) dark += qGray(image.pixel(x, y)) < 64;
  return double(dark) / double(rect.width() * rect.height());
}

TEST_F(NumericFieldCaret, ALineAfterTheDigitsInInsertModeABlockOverTheLastInOverwrite) {
  dialog.from->SetIntValue(7);
  // The digit's ink, unfocused.
  const QImage plain = dialog.from->grab().toImage();
  QRect ink;
  for (int y = 3; y < plain.height() - 3; ++y)
    for (int x = 3; x < plain.width() - 3; ++x)
      if (qGray(plain.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  ASSERT_FALSE(ink.isEmpty());

  QTest::mouseClick(dialog.from, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  Settle();
  ASSERT_TRUE(dialog.from->CaretOn());
  const QRect line = dialog.from->Carets().Rect();
  ASSERT_FALSE(line.isEmpty());
  EXPECT_EQ(line.width(), 2);
  EXPECT_GT(line.left(), ink.right());  // after the text, at the right edge
  EXPECT_LT(line.right(), dialog.from->width() - 2);
  QImage shot = dialog.from->grab().toImage();
  EXPECT_GT(DarkShare(shot, line), 0.9);  // the white background inverted

  QTest::keyClick(dialog.from, Qt::Key_Insert);
  ASSERT_FALSE(dialog.from->InsertMode());
  const QRect block = dialog.from->Carets().Rect();
  EXPECT_EQ(block.width(), dialog.from->fontMetrics().horizontalAdvance(u'0'));
  EXPECT_LE(block.left(), ink.left());  // over the last digit
  EXPECT_GE(block.right(), ink.right());
  shot = dialog.from->grab().toImage();
  EXPECT_GT(DarkShare(shot, block), 0.5);

  dialog.to->setFocus(Qt::TabFocusReason);
  Settle();
  EXPECT_TRUE(dialog.from->Carets().Rect().isEmpty());
  EXPECT_FALSE(dialog.from->CaretOn());
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldReal = EntryFieldTest;

TEST_F(NumericFieldReal, TypedDecimalsShowAsTypedAndThePicturesAfterLeaving) {
  dialog.from->SetDataType(nftDouble);
  dialog.from->SetPictureMask(QStringLiteral("######.##"));
  EXPECT_EQ(dialog.from->DataTypeCode(), 139);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0.00"));
  TabInto(dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_1);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("1"));
  QTest::keyClick(dialog.from, Qt::Key_Period);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("1."));
  QTest::keyClick(dialog.from, Qt::Key_5);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("1.5"));
  QTest::keyClick(dialog.from, Qt::Key_Period);  // a second point
  EXPECT_EQ(beeper.beeps, 1);
  Tab(dialog.from);
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(dialog.from->text(), QStringLiteral("1.50"));
  EXPECT_EQ(dialog.from->GetRealValue(), 1.5L);
  EXPECT_THROW(dialog.from->GetIntValue(), EInvalidDataType);
}

TEST_F(NumericFieldReal, ARealOutsideItsRangeIsReportedOnLeaving) {
  dialog.from->SetDataType(nftDouble);
  dialog.from->SetPictureMask(QStringLiteral("###.##"));
  dialog.from->SetRealRange(0, 99.5L);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("99.51"));
  Tab(dialog.from);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{QStringLiteral("Value is not within required range")});
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  EXPECT_EQ(dialog.from->GetRealValue(), 0);
  EXPECT_EQ(dialog.from->LastError(), 256);
  QTest::keyClick(dialog.from, Qt::Key_Backspace);
  Tab(dialog.from);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("99.50"));
  EXPECT_EQ(dialog.from->GetRealValue(), 99.5L);
}

TEST_F(NumericFieldReal, AValueIsShownToThePicturesDecimalsRoundedHalfAway) {
  dialog.from->SetDataType(nftDouble);
  dialog.from->SetPictureMask(QStringLiteral("###.#"));
  dialog.from->SetRealValue(1.25L);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("1.3"));
  dialog.from->SetRealValue(-1.25L);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("-1.3"));
  // Without a point in the picture only the whole part shows.
  dialog.from->SetPictureMask(QStringLiteral("#####"));
  dialog.from->SetRealValue(12.5L);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("13"));
  EXPECT_EQ(dialog.from->GetRealValue(), 13.0L);
}

TEST_F(NumericFieldReal, RealPicturesRefuseIntegerPlaceholdersBesideAPoint) {
  dialog.from->SetDataType(nftSingle);
  EXPECT_THROW(dialog.from->SetPictureMask(QStringLiteral("999.99")), EInvalidPictureMask);
  EXPECT_EQ(dialog.from->PictureMask(), QStringLiteral("##########"));
  dialog.from->SetDataType(nftComp);
  EXPECT_EQ(dialog.from->PictureMask(), QStringLiteral("iiiiiiiiii"));
  dialog.from->SetRealValue(-42);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("-42"));
  EXPECT_THROW(dialog.from->SetIntValue(1), EInvalidDataType);
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldHooks = EntryFieldTest;

int RightmostInk(const QImage& image) {
  int right = -1;
  for (int y = 3; y < image.height() - 3; ++y)
    for (int x = 3; x < image.width() - 3; ++x)
      if (qGray(image.pixel(x, y)) < 128) right = std::max(right, x);
  return right;
}

TEST_F(NumericFieldHooks, TheTextMarginMovesTheTextInFromTheEdge) {
  dialog.from->SetIntValue(7);
  const int plain = RightmostInk(dialog.from->grab().toImage());
  dialog.from->SetTextMargin(1);  // ignored
  EXPECT_EQ(dialog.from->TextMargin(), 2);
  dialog.from->SetTextMargin(12);
  EXPECT_EQ(dialog.from->TextMargin(), 12);
  EXPECT_EQ(RightmostInk(dialog.from->grab().toImage()), plain - 10);
}

TEST_F(NumericFieldHooks, AUserValidationMayRefuseAValueWithItsOwnText) {
  dialog.from->OnUserValidation = [](QObject* field, int& code) {
    if (code == 0 && static_cast<TWdgNumericField*>(field)->text() == QStringLiteral("13")) code = -1;
  };
  dialog.controller->SetErrorText(QStringLiteral("Register 13 is not in use"));
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("13"));
  Tab(dialog.from);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{QStringLiteral("Register 13 is not in use")});
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  EXPECT_EQ(dialog.from->GetIntValue(), 0);
  EXPECT_EQ(dialog.from->LastError(), -1);
}

TEST_F(NumericFieldHooks, ACommandOfTheWindowsOwnIsHandedToTheField) {
  constexpr quint8 kF5 = 116;
  dialog.controller->EntryCommands().AddEntryToTable(QStringLiteral("Default"), {kF5, 0, 0, 0, 300});
  std::vector<quint16> commands;
  dialog.from->OnUserCommand = [&commands](QObject*, quint16 code) { commands.push_back(code); };
  TabInto(dialog.from);
  QTest::keyClick(dialog.from, Qt::Key_F5);
  EXPECT_EQ(commands, std::vector<quint16>{300});
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
  EXPECT_EQ(beeper.beeps, 0);
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldWideValues = EntryFieldTest;

TEST_F(NumericFieldWideValues, AValueThePictureCannotShowWholeIsTakenIntoTheRange) {
  dialog.from->SetDataType(nftWord);
  dialog.from->SetPictureMask(QStringLiteral("999"));
  dialog.from->SetRange(0, 500);
  dialog.from->SetIntValue(1234);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("500"));
  EXPECT_EQ(dialog.from->GetIntValue(), 500);
  // One that fits is shown as it is, for the check to report.
  dialog.from->SetIntValue(700);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("700"));
  EXPECT_EQ(dialog.from->GetIntValue(), 0);
  EXPECT_EQ(dialog.from->LastError(), 256);

  dialog.to->SetDataType(nftDouble);
  dialog.to->SetPictureMask(QStringLiteral("##.#"));
  dialog.to->SetRealRange(0, 50);
  dialog.to->SetRealValue(123.5L);
  EXPECT_EQ(dialog.to->text(), QStringLiteral("50.0"));
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldColors = EntryFieldTest;

bool Shows(const QImage& image, const QColor& color) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == color) return true;
  return false;
}

TEST_F(NumericFieldColors, TheFieldsColourPairsPaintItsStates) {
  const QColor yellow(255, 255, 0), green(0, 160, 0), lightGrey(210, 210, 210);
  TWdgEfColors& colors = dialog.from->EFColors();
  colors.Highlight().SetBackColor(green);
  dialog.from->SetIntValue(123);
  TabInto(dialog.from);
  ASSERT_TRUE(dialog.from->hasSelectedText());
  EXPECT_TRUE(Shows(dialog.from->grab().toImage(), green));

  colors.Error().SetBackColor(yellow);
  dialog.from->SetOptions(dialog.from->Options() | efoSoftValidation);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  Tab(dialog.from);
  ASSERT_TRUE(dialog.from->Invalid());
  const QImage invalid = dialog.from->grab().toImage();
  EXPECT_EQ(invalid.pixelColor(4, invalid.height() / 2), yellow);

  colors.Disabled().SetBackColor(lightGrey);
  dialog.to->EFColors().Assign(colors);
  dialog.to->setEnabled(false);
  const QImage disabled = dialog.to->grab().toImage();
  EXPECT_EQ(disabled.pixelColor(4, disabled.height() / 2), lightGrey);
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldShortcuts = EntryFieldTest;

TEST_F(NumericFieldShortcuts, TheFieldsKeysGoBeforeTheWindowsShortcutsButMnemonicsStay) {
  int windowUndo = 0, windowMnemonic = 0;
  auto* undo = new QAction(&dialog);
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QObject::connect(undo, &QAction::triggered, [&windowUndo] { ++windowUndo; });
  dialog.addAction(undo);
  auto* mnemonic = new QAction(&dialog);
  mnemonic->setShortcut(QKeySequence(Qt::ALT | Qt::Key_A));
  QObject::connect(mnemonic, &QAction::triggered, [&windowMnemonic] { ++windowMnemonic; });
  dialog.addAction(mnemonic);

  dialog.from->SetIntValue(12);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("5"));
  QTest::keyClick(dialog.from, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("12"));
  EXPECT_EQ(windowUndo, 0);
  QTest::keyClick(dialog.from, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(windowMnemonic, 1);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("12"));
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldOptions = EntryFieldTest;

TEST_F(NumericFieldOptions, ANumericFieldDropsTheOptionsOfOtherFields) {
  EXPECT_EQ(dialog.from->Options(), TWdgEntryFieldOptions());
  dialog.from->SetOptions(TWdgEntryFieldOptions(efoForceInsert) | efoCaretToEnd | efoRightAlign |
                          efoSoftValidation | efoForceOvertype);
  EXPECT_EQ(dialog.from->Options(), TWdgEntryFieldOptions(efoSoftValidation));
  dialog.from->SetOptions(TWdgEntryFieldOptions(efoForceOvertype));
  TabInto(dialog.from);
  EXPECT_FALSE(dialog.from->InsertMode());
  QTest::keyClick(dialog.from, Qt::Key_Insert);  // ignored while the mode is forced
  EXPECT_FALSE(dialog.from->InsertMode());
}
} // namespace
} // namespace entryfieldtest
