// Checking a numeric field when the user leaves it, and the error box that follows.
#include "EntryFieldFixture.h"

namespace entryfieldtest {
namespace {
const QString kNotInRange = QStringLiteral("Value is not within required range");

using NumericFieldFocus = EntryFieldTest;

TEST_F(NumericFieldFocus, OutOfRangeShowsOneBoxAndTakesTheFocusBackBeforeIt) {
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  EXPECT_EQ(dialog.from->text(), QStringLiteral("300"));
  Tab(dialog.from);

  ASSERT_EQ(sink.boxes.size(), 1u);
  EXPECT_EQ(sink.boxes[0].text, kNotInRange);
  EXPECT_EQ(sink.boxes[0].kind, TWdgMessageSink::Kind::Error);
  // The field had the focus again when the box showed.
  EXPECT_EQ(focusWhenShown[0], dialog.from);
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("300"));
  EXPECT_EQ(dialog.from->LastError(), 256);
  EXPECT_FALSE(dialog.controller->ErrorPending());
  EXPECT_EQ(beeper.beeps, 0);  // no beep belongs to the report
}

TEST_F(NumericFieldFocus, AGoodValueLeavesWithoutABox) {
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("255"));
  Tab(dialog.from);
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(QApplication::focusWidget(), dialog.to);
  EXPECT_EQ(dialog.from->GetIntValue(), 255);
  EXPECT_EQ(dialog.from->LastError(), 0);
}

TEST_F(NumericFieldFocus, TheSecondLeaveAfterAFailureChecksAgain) {
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  Tab(dialog.from);
  Tab(dialog.from);
  EXPECT_EQ(BoxTexts(), (std::vector<QString>{kNotInRange, kNotInRange}));
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  // Mended, the field lets the focus go.
  QTest::keyClick(dialog.from, Qt::Key_Backspace);
  Tab(dialog.from);
  EXPECT_EQ(sink.boxes.size(), 2u);
  EXPECT_EQ(QApplication::focusWidget(), dialog.to);
  EXPECT_EQ(dialog.from->GetIntValue(), 30);
}

TEST_F(NumericFieldFocus, TwoFailingFieldsGiveOneBoxAndNoPingPong) {
  // The second field holds a value its range refuses; it has not been checked yet.
  dialog.to->SetIntValue(200);
  dialog.to->SetRange(0, 100);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  Tab(dialog.from);
  for (int i = 0; i < 5; ++i) Settle();
  EXPECT_EQ(BoxTexts(), std::vector<QString>{kNotInRange});
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  EXPECT_EQ(dialog.to->LastError(), 0);  // passed through, never checked

  // Once the first is mended, the second is checked when it is left.
  QTest::keyClick(dialog.from, Qt::Key_Backspace);
  Tab(dialog.from);
  EXPECT_EQ(QApplication::focusWidget(), dialog.to);
  EXPECT_EQ(sink.boxes.size(), 1u);
  QTest::keyClick(dialog.to, Qt::Key_Tab, Qt::ShiftModifier);
  Settle();
  for (int i = 0; i < 5; ++i) Settle();
  EXPECT_EQ(BoxTexts(), (std::vector<QString>{kNotInRange, kNotInRange}));
  EXPECT_EQ(QApplication::focusWidget(), dialog.to);
}

TEST_F(NumericFieldFocus, LeavingForAnotherWindowChecksNothing) {
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  // Another window with a control that takes the focus.
  QWidget other;
  other.setWindowTitle(QStringLiteral("Other"));
  auto* edit = new QLineEdit(&other);
  edit->setFocus();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  Settle();
  ASSERT_EQ(QApplication::focusWidget(), edit);
  EXPECT_TRUE(sink.boxes.empty());

  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  Settle();
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  EXPECT_TRUE(sink.boxes.empty());
  // The visit goes on: the typed text is still there and is checked on leaving.
  EXPECT_EQ(dialog.from->text(), QStringLiteral("300"));
  Tab(dialog.from);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{kNotInRange});
}

TEST_F(NumericFieldFocus, TheFieldsOwnMenuChecksNothing) {
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(dialog.from, &popup);
  Settle();
  EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(NumericFieldFocus, ASpecialControlChecksWithoutABox) {
  dialog.controller->OnIsSpecialControl = [this](QObject*, QWidget* control, bool& special) {
    special = control == dialog.cancelButton;
  };
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  dialog.cancelButton->setFocus(Qt::MouseFocusReason);
  Settle();
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(QApplication::focusWidget(), dialog.cancelButton);
  EXPECT_EQ(dialog.from->LastError(), 256);
  EXPECT_TRUE(dialog.from->Modified());
}

TEST_F(NumericFieldFocus, TheFieldsOnErrorTakesTheReportInsteadOfTheBox) {
  std::vector<std::pair<int, QString>> reported;
  dialog.from->OnError = [&](QObject*, int code, const QString& text) {
    reported.emplace_back(code, text);
  };
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  Tab(dialog.from);
  EXPECT_TRUE(sink.boxes.empty());
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0], std::make_pair(256, kNotInRange));
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
}

TEST_F(NumericFieldFocus, SoftValidationOnlyMarksTheField) {
  dialog.from->SetOptions(dialog.from->Options() | efoSoftValidation);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  Tab(dialog.from);
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(QApplication::focusWidget(), dialog.to);
  EXPECT_TRUE(dialog.from->Invalid());
  const QImage shot = dialog.from->grab().toImage();
  EXPECT_EQ(shot.pixelColor(4, shot.height() / 2), QColor(Qt::red));
}

// ---- a window's accept

TEST_F(NumericFieldFocus, EnterOnTheDefaultButtonChecksTheFieldFirst) {
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  QTest::keyClick(dialog.from, Qt::Key_Return);
  Settle();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{kNotInRange});
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  // Still the same visit: leaving checks again, and a mended value is accepted.
  QTest::keyClick(dialog.from, Qt::Key_Backspace);
  QTest::keyClick(dialog.from, Qt::Key_Return);
  Settle();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.from->GetIntValue(), 30);
}

TEST_F(NumericFieldFocus, AcceptTakesTheFocusToTheFailingField) {
  dialog.to->SetIntValue(200);
  dialog.to->SetRange(0, 100);
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("12"));
  QTest::keyClick(dialog.from, Qt::Key_Return);
  Settle();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(BoxTexts(), std::vector<QString>{kNotInRange});
  EXPECT_EQ(focusWhenShown[0], dialog.to);
  EXPECT_EQ(QApplication::focusWidget(), dialog.to);
  // The value reader keeps its contract for other callers: 0 and the code, nothing shown.
  EXPECT_EQ(dialog.to->GetIntValue(), 0);
  EXPECT_EQ(dialog.to->LastError(), 256);
  EXPECT_EQ(sink.boxes.size(), 1u);
}

TEST_F(NumericFieldFocus, GetIntValueReadsWithoutABoxOrAFocusChange) {
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  EXPECT_EQ(dialog.from->GetIntValue(), 0);
  EXPECT_EQ(dialog.from->LastError(), 256);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("300"));
  Settle();
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldNotices = EntryFieldTest;

TEST_F(NumericFieldNotices, AHandOffTellsTheEditsStartAndEndAFailureNeither) {
  std::vector<std::pair<QWidget*, QWidget*>> pre, post;
  dialog.controller->OnPreEdit = [&pre](QObject* field, QWidget* other) {
    pre.emplace_back(qobject_cast<QWidget*>(field), other);
  };
  dialog.controller->OnPostEdit = [&post](QObject* field, QWidget* other) {
    post.emplace_back(qobject_cast<QWidget*>(field), other);
  };
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  Tab(dialog.from);  // fails: the focus comes back, no notices of a new visit
  EXPECT_TRUE(post.empty());
  QTest::keyClick(dialog.from, Qt::Key_Backspace);
  Tab(dialog.from);
  using Pair = std::pair<QWidget*, QWidget*>;
  EXPECT_EQ(post, (std::vector<Pair>{{dialog.from, dialog.to}}));
  EXPECT_EQ(pre, (std::vector<Pair>{{dialog.from, dialog.cancelButton}, {dialog.to, dialog.from}}));
}

TEST_F(NumericFieldNotices, InsertModeIsHandedFromFieldToField) {
  TabInto(dialog.from);
  EXPECT_TRUE(dialog.from->InsertMode());
  QTest::keyClick(dialog.from, Qt::Key_Insert);
  EXPECT_FALSE(dialog.from->InsertMode());
  Tab(dialog.from);
  EXPECT_FALSE(dialog.controller->InsertMode());
  EXPECT_FALSE(dialog.to->InsertMode());
}
} // namespace
} // namespace entryfieldtest

namespace entryfieldtest {
namespace {
using NumericFieldBox = EntryFieldTest;

TEST_F(NumericFieldBox, TheBoxTakesTheFocusAwayAndGivesItBackWithoutANewCheck) {
  // The box as a window of its own: it takes the focus while it is up, then gives the
  // window back.
  sink.whenShown = [this](const RecordingSink::Box&) {
    focusWhenShown.push_back(QApplication::focusWidget());
    QWidget box;
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setFocus();
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    RunQueued();
    box.close();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    RunQueued();
  };
  TabInto(dialog.from);
  QTest::keyClicks(dialog.from, QStringLiteral("300"));
  Tab(dialog.from);
  for (int i = 0; i < 3; ++i) Settle();
  EXPECT_EQ(BoxTexts(), std::vector<QString>{kNotInRange});
  EXPECT_EQ(focusWhenShown, std::vector<QWidget*>{dialog.from});
  EXPECT_EQ(QApplication::focusWidget(), dialog.from);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("300"));
  // The same visit: Restore still knows the text the field had when it was entered.
  QTest::keyClick(dialog.from, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(dialog.from->text(), QStringLiteral("0"));
  QTest::keyClicks(dialog.from, QStringLiteral("7"));
  Tab(dialog.from);
  EXPECT_EQ(sink.boxes.size(), 1u);
  EXPECT_EQ(QApplication::focusWidget(), dialog.to);
}
} // namespace
} // namespace entryfieldtest
