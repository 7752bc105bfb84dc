#include "widgets/TUlvaneEdit.h"

#include "WdgTestDoubles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A window with two numeric edits and a plain box to move the focus to, boxes and beeps
// recorded.
struct EditForm : ::testing::Test {
  RecordingSink sink;
  CountingBeeper beeper;
  QWidget window;
  TUlvaneEdit* edit = new TUlvaneEdit(&window);
  TUlvaneEdit* other = new TUlvaneEdit(&window);
  QLineEdit* next = new QLineEdit(&window);
  QSignalSpy exits{edit, &TUlvaneEdit::exited};

  EditForm() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    layout->addWidget(next);
  }
  void Setup(const char* mask, const char* low, const char* high, TUlvaneEdit* control = nullptr) {
    control = control ? control : edit;
    control->SetEditMask(QString::fromLatin1(mask));
    control->SetRangeLow(QString::fromLatin1(low));
    control->SetRangeHigh(QString::fromLatin1(high));
  }
  void ShowActive() {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void Enter(QWidget* control = nullptr) {
    (control ? control : edit)->setFocus(Qt::TabFocusReason);
    RunQueued();
  }
  void Leave() {
    next->setFocus(Qt::TabFocusReason);
    RunQueued();
  }
  void Paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  }
};

TEST_F(EditForm, TypingStopsAtTheMasksDigitsAndTakesASignOnlyInFront) {
  Setup("00", "0", "99");
  edit->SetIntValue(0);
  ShowActive();
  Enter();
  EXPECT_EQ(edit->selectedText(), "0");
  QTest::keyClicks(edit, "123");
  EXPECT_EQ(edit->text(), "12");
  QTest::keyClicks(edit, "-a ");
  EXPECT_EQ(edit->text(), "12");
  EXPECT_EQ(beeper.beeps, 0);  // a refused key is dropped silently
}

TEST_F(EditForm, LeavingOutOfRangeKeepsTheUserInTheBoxWithOneMessage) {
  Setup("000", "0", "100");
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "150");
  Leave();
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(edit->selectedText(), "150");
  ASSERT_EQ(sink.boxes.size(), 1u);
  EXPECT_EQ(sink.boxes[0].kind, TWdgMessageSink::Kind::Plain);
  EXPECT_EQ(sink.boxes[0].text, "The number must be between 0 and 100.");
  EXPECT_EQ(exits.count(), 0);
}

TEST_F(EditForm, TheFocusIsBackBeforeTheRangeMessageShows) {
  Setup("000", "0", "100");
  bool focusedWhenShown = false;
  sink.whenShown = [&](const RecordingSink::Box&) { focusedWhenShown = edit->hasFocus(); };
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "150");
  Leave();
  EXPECT_TRUE(focusedWhenShown);
}

TEST_F(EditForm, AGoodNumberLeavesOnceAndIsPadded) {
  Setup("000.00", "0", "100");
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "42");
  Leave();
  EXPECT_TRUE(next->hasFocus());
  EXPECT_EQ(edit->text(), "42.00");
  EXPECT_EQ(exits.count(), 1);
  EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(EditForm, ADollarMaskShowsTheDollarOnlyOutsideTheBox) {
  edit->SetEditMask("$000.00");
  EXPECT_EQ(edit->text(), "$0");
  ShowActive();
  Enter();
  EXPECT_EQ(edit->text(), "0");
  QTest::keyClicks(edit, "5");
  Leave();
  EXPECT_EQ(edit->text(), "$5.00");
  EXPECT_EQ(exits.count(), 1);
}

TEST_F(EditForm, ABoxFocusedAsItsWindowOpensIsEntered) {
  edit->SetEditMask("$000.00");
  ShowActive();
  ASSERT_TRUE(edit->hasFocus());
  EXPECT_EQ(edit->text(), "0");
  EXPECT_EQ(edit->selectedText(), "0");
}

TEST_F(EditForm, AnEmptiedBoxStaysEmptyOnlyWhenAllowed) {
  Setup("000", "0", "100");
  edit->SetLeaveBlank(true);
  edit->SetIntValue(5);
  ShowActive();
  Enter();
  QTest::keyClick(edit, Qt::Key_Delete);
  Leave();
  EXPECT_EQ(edit->text(), "");
  EXPECT_EQ(exits.count(), 0);
  edit->SetLeaveBlank(false);
  Enter();
  Leave();
  EXPECT_EQ(edit->text(), "0");
  EXPECT_EQ(exits.count(), 1);
}

TEST_F(EditForm, ATextThatIsNoNumberCannotBeLeft) {
  Setup("000.00", "-999.99", "999.99");
  ShowActive();
  for (const char* keys : {"-", "."}) {
    Enter();
    QTest::keyClicks(edit, keys);
    ASSERT_EQ(edit->text(), keys);
    Leave();
    EXPECT_TRUE(edit->hasFocus()) << keys;
    EXPECT_EQ(sink.Texts().last(), "The number must be between -999.99 and 999.99.") << keys;
  }
  EXPECT_EQ(sink.boxes.size(), 2u);
  EXPECT_EQ(exits.count(), 0);
}

TEST_F(EditForm, AReadOnlyBoxTakesNoKeysAndNoPaste) {
  Setup("000", "0", "999");
  edit->setReadOnly(true);
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "12");
  Paste("3");
  EXPECT_EQ(edit->text(), "");
}

TEST_F(EditForm, ASecondSignCannotBeTyped) {
  Setup("000", "-999", "999");
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "-5");
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClicks(edit, "-");
  EXPECT_EQ(edit->text(), "-5");
}

TEST_F(EditForm, APointCannotBeTypedWithoutDecimalsInTheMask) {
  Setup("00", "0", "99");
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "5.");
  EXPECT_EQ(edit->text(), "5");
  Leave();
  EXPECT_EQ(edit->GetIntValue(), 5);
  EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(EditForm, APasteIsTakenOnlyWhenTheWholeTextFits) {
  Setup("000", "0", "999");
  edit->SetIntValue(7);
  ShowActive();
  Enter();
  Paste("abc");
  EXPECT_EQ(edit->text(), "7");
  EXPECT_EQ(beeper.beeps, 1);
  Paste("1234");
  EXPECT_EQ(edit->text(), "7");
  Paste("12");  // replaces the selected 7
  EXPECT_EQ(edit->text(), "12");
  EXPECT_TRUE(edit->isModified());
  QApplication::clipboard()->setText("3");
  QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit->text(), "123");
  QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit->text(), "123");
  EXPECT_EQ(beeper.beeps, 3);
}

TEST_F(EditForm, TheContextMenusPasteKeepsToTheMask) {
  Setup("00", "0", "99");
  ShowActive();
  Enter();
  QApplication::clipboard()->setText("abc");  // the menu offers Paste only with a text to paste
  std::unique_ptr<QMenu> menu(edit->ContextMenu());
  QAction* paste = nullptr;
  for (QAction* action : menu->actions())
    if (action->objectName() == "edit-paste") paste = action;
  ASSERT_NE(paste, nullptr);
  ASSERT_TRUE(paste->isEnabled());
  paste->trigger();
  EXPECT_EQ(edit->text(), "");
  QApplication::clipboard()->setText("42");
  paste->trigger();
  EXPECT_EQ(edit->text(), "42");
}

// Drops reach the control only through a drag the system delivers; this hands one over.
struct DropTarget : TUlvaneEdit {
  bool Drop(const char* text) {
    QMimeData data;
    data.setText(QString::fromLatin1(text));
    QDropEvent event(QPointF(width() - 2, height() / 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(false);
    dropEvent(&event);
    return event.isAccepted();
  }
};

TEST_F(EditForm, NothingCanBeDraggedInAndADropIsHeldToTheMask) {
  EXPECT_FALSE(edit->acceptDrops());
  DropTarget target;  // a form may turn drops on: they still keep to the mask
  target.SetEditMask("00");
  target.setText("1");
  EXPECT_FALSE(target.Drop("abc"));
  EXPECT_FALSE(target.Drop("23"));
  EXPECT_EQ(target.text(), "1");
  EXPECT_TRUE(target.Drop("2"));
  EXPECT_EQ(target.text(), "12");
}

TEST_F(EditForm, LosingThePointWithTooManyDigitsIsUndone) {
  Setup("000.00", "0", "999.99");
  edit->setText("123.45");
  QSignalSpy changes(edit, &TUlvaneEdit::changed);
  ShowActive();
  Enter();
  edit->setCursorPosition(4);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "123.45");
  EXPECT_EQ(changes.count(), 0);
  edit->setText("123.4");
  edit->setCursorPosition(4);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "1234");
  EXPECT_EQ(changes.count(), 2);
}

TEST_F(EditForm, TheUserModifiedFlagIsTheUsersAlone) {
  edit->SetEditMask("$000.00");
  edit->setText("$1.00");
  EXPECT_FALSE(edit->isModified());
  ShowActive();
  Enter();
  EXPECT_FALSE(edit->isModified());  // taking the "$" away is the control's doing
  QTest::keyClicks(edit, "2");
  EXPECT_TRUE(edit->isModified());
  Leave();
  EXPECT_EQ(edit->text(), "$2.00");
  EXPECT_TRUE(edit->isModified());
  edit->setModified(false);
  edit->SetFloatValue(3);
  EXPECT_FALSE(edit->isModified());
  EXPECT_EQ(edit->text(), "$3.00");
}

TEST_F(EditForm, TheWindowLosingTheFocusIsNoLeaving) {
  Setup("000", "0", "100");
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "150");
  QWidget elsewhere;
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  RunQueued();
  EXPECT_FALSE(edit->hasFocus());
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(exits.count(), 0);
  EXPECT_EQ(edit->text(), "150");
}

TEST_F(EditForm, ClosingTheWindowIsNoLeaving) {
  Setup("000", "0", "100");
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "150");
  // The focus moves on and the window closes before the check runs.
  next->setFocus(Qt::TabFocusReason);
  window.hide();
  RunQueued();
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(exits.count(), 0);
}

TEST_F(EditForm, TwoWrongBoxesDoNotPullTheFocusBackAndForth) {
  Setup("000", "0", "100");
  Setup("000", "1", "100", other);
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "150");
  Enter(other);  // the other box is empty: leaving it would make it "0", out of its range
  RunQueued();
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(sink.Texts(), QStringList{"The number must be between 0 and 100."});
}

TEST_F(EditForm, TheValueOperationsShowWhatDoesNotConvert) {
  edit->SetEditMask("000.00");
  edit->setText("1.5");
  EXPECT_EQ(edit->GetIntValue(), 0);
  ASSERT_EQ(sink.boxes.size(), 1u);
  EXPECT_EQ(sink.boxes[0].kind, TWdgMessageSink::Kind::Error);
  EXPECT_EQ(sink.boxes[0].text, "Error Occured trying to convert String: '1.5 to Integer.");
  EXPECT_EQ(edit->GetFloatValue(), 1.5);
  edit->SetEditMask("$00");
  edit->setText("$12");
  EXPECT_EQ(edit->GetIntValue(), 12);
  edit->setText("-");
  EXPECT_EQ(edit->GetIntValue(), 0);
  edit->SetFloatValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(edit->text(), "-");
  EXPECT_EQ(sink.Texts().last(), "An Error occurred trying to convert the number to a string.");
  EXPECT_EQ(sink.boxes.size(), 2u);
}

TEST_F(EditForm, MaskRepairsAreShownAsPlainMessages) {
  edit->SetEditMask("0a0b");
  EXPECT_EQ(edit->EditMask(), "00");
  EXPECT_EQ(edit->maxLength(), 3);
  edit->SetEditMask("000.00");
  edit->SetDataType(DTInteger);
  EXPECT_EQ(edit->EditMask(), "000");
  EXPECT_EQ(sink.Texts(), (QStringList{"Only values allowed for mask are 0,$, and .",
                                       "Floating numbers not allowed for integer!"}));
  for (const auto& box : sink.boxes) EXPECT_EQ(box.kind, TWdgMessageSink::Kind::Plain);
}

TEST_F(EditForm, KeyPressSeesTypedKeysButNotOnesReplacingASelection) {
  Setup("000", "0", "999");
  edit->SetIntValue(12);
  QString seen;
  edit->OnKeyPress = [&](QObject*, QChar& key) {
    seen += key;
    if (key == '9') key = QChar();
  };
  ShowActive();
  Enter();
  QTest::keyClicks(edit, "3495");
  EXPECT_EQ(edit->text(), "345");
  EXPECT_EQ(seen, "495");
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(seen, "495\b");
  EXPECT_EQ(edit->text(), "34");
}
} // namespace
