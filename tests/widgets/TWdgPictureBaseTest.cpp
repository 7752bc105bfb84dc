// The picture field's own part: the caret on entry positions, the edit string prepared for
// typing over currency and separators and put back on leaving, digits put against the point.
#include "widgets/TWdgController.h"
#include "widgets/TWdgPictureBase.h"
#include "widgets/core/WdgCommandCodes.h"
#include "WdgTestDoubles.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
// A plain picture field: typed characters overwrite the entry position at the caret.
class PictureField : public TWdgPictureBase {
public:
  explicit PictureField(QWidget* parent) : TWdgPictureBase(parent) {}
  // The user's edit: the text as typed, marked modified.
  void Edit(const QString& editString) {
    SetEditString(editString);
    MarkModified();
    Refresh();
  }

protected:
  void EditCommand(quint16 code, QChar typed, const QString&) override {
    PrepareEditString();
    const int at = cursorPosition();
    if (code == ccRight) SetCaretPosition(Mask().NextCaretPosition(at));
    if (code != kTypedChar) return;
    if (at > LastPlaceholder()) return Beep();
    editString_[at] = typed;
    MarkModified();
    Refresh();
    SetCaretPosition(Mask().NextCaretPosition(at));
  }
  int CheckField() override { return 0; }
};

class PictureBaseTest : public ::testing::Test {
protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&dialog);
    field = new PictureField(&dialog);
    other = new PictureField(&dialog);
    layout->addWidget(field);
    layout->addWidget(other);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    other->setFocus(Qt::OtherFocusReason);
    RunQueued();
  }
  void Enter() {
    field->setFocus(Qt::TabFocusReason);
    RunQueued();
  }
  void Leave() {
    other->setFocus(Qt::TabFocusReason);
    RunQueued();
  }

  RecordingSink sink;
  CountingBeeper beeper;
  QDialog dialog;
  PictureField* field;
  PictureField* other;
};

TEST_F(PictureBaseTest, CurrencyAndSeparatorsMakeWayForTypingAndComeBackOnLeaving) {
  field->SetPicture(QStringLiteral("$##,###.##"));
  field->SetEditText(QStringLiteral("1234.5"));
  EXPECT_EQ(field->text(), QStringLiteral(" $1,234.50"));
  Enter();
  QTest::keyClick(field, Qt::Key_Right);
  EXPECT_FALSE(field->text().contains(u'$'));
  EXPECT_FALSE(field->text().contains(u','));
  EXPECT_EQ(field->StrippedText().trimmed(), QStringLiteral("1234.50"));
  Leave();
  EXPECT_EQ(field->text(), QStringLiteral(" $1,234.50"));
}

TEST_F(PictureBaseTest, DigitsTypedAroundThePointArePutAgainstIt) {
  field->SetPicture(QStringLiteral("###.##"));
  Enter();
  field->Edit(QStringLiteral("1 2.5 "));
  Leave();
  EXPECT_EQ(field->text(), QStringLiteral(" 12.50"));
}

TEST_F(PictureBaseTest, ThePadCharacterShowsInFreeEntryPositions) {
  field->SetPicture(QStringLiteral("999-99"));
  field->SetEditText(QStringLiteral("12"));
  field->SetPadChar(u'_');
  EXPECT_EQ(field->text().size(), 6);
  EXPECT_EQ(field->text().count(u'_') + field->text().count(u'1') + field->text().count(u'2'), 5);
  EXPECT_EQ(field->text().at(3), u'-');
}

TEST_F(PictureBaseTest, TheCaretStaysOnEntryPositions) {
  field->SetPicture(QStringLiteral("(999)"));
  Enter();
  field->SetCaretPosition(0);
  EXPECT_EQ(field->cursorPosition(), 1);  // the home position, after the literal '('
  field->SetCaretPosition(99);
  EXPECT_EQ(field->cursorPosition(), 4);  // just after the last placeholder
  QTest::keyClick(field, Qt::Key_Right);
  EXPECT_EQ(field->cursorPosition(), 4);
}
} // namespace
