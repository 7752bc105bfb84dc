#include "widgets/TWdgController.h"

#include "WdgTestDoubles.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A window with two entry boxes and the form's controller, with boxes recorded.
struct ControllerForm : ::testing::Test {
  RecordingSink sink;
  QWidget window;
  QLineEdit* first = new QLineEdit(&window);
  QLineEdit* second = new QLineEdit(&window);
  TWdgController* controller = new TWdgController(&window);

  ControllerForm() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(second);
  }
  void ShowActive() {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
};

struct CodeText {
  int code;
  const char* text; // nullptr: the stored ErrorText
};

TEST_F(ControllerForm, MapsEachErrorCodeToItsText) {
  controller->SetErrorText(QStringLiteral("Register 7 is busy"));
  const CodeText cases[] = {
      {0, ""},
      {256, "Value is not within required range"},
      {257, "Value is not valid for this field type"},
      {258, "A value is required in this field"},
      {259, "Value is not a valid date"},
      {260, "Value is not a valid time"},
      {261, "This field should contain no blanks"},
      {262, "This field should be either empty or completely full"},
      {255, "Entry Error"},
      {263, "Entry Error"},
      {300, "Entry Error"},
      {1, "Entry Error"},
      {-1, nullptr},
      {-300, nullptr},
  };
  for (const auto& c : cases) {
    const QString expected = c.text ? QString::fromUtf8(c.text) : controller->ErrorText();
    EXPECT_EQ(controller->EntryErrorText(c.code), expected) << c.code;
  }
}

TEST_F(ControllerForm, AReportRunsAfterTheCurrentEventAndShowsAnErrorBoxWithOk) {
  EXPECT_TRUE(controller->PostEntryError(first, 300));
  EXPECT_TRUE(controller->ErrorPending());
  EXPECT_TRUE(sink.boxes.empty()); // not from inside the focus change
  RunQueued();
  ASSERT_EQ(sink.boxes.size(), 1u);
  EXPECT_EQ(sink.boxes[0].kind, TWdgMessageSink::Kind::Error);
  EXPECT_EQ(sink.boxes[0].text, QStringLiteral("Entry Error"));
  EXPECT_EQ(sink.boxes[0].parent, &window);
  EXPECT_EQ(controller->ErrorText(), QStringLiteral("Entry Error"));
  // Still pending until a field takes the focus normally.
  EXPECT_TRUE(controller->ErrorPending());
}

TEST_F(ControllerForm, TwoFailingFieldsShowOneBoxUntilThePendingErrorIsCleared) {
  EXPECT_TRUE(controller->PostEntryError(first, 256));
  EXPECT_FALSE(controller->PostEntryError(second, 257));
  RunQueued();
  EXPECT_EQ(sink.Texts(), QStringList{QStringLiteral("Value is not within required range")});

  EXPECT_FALSE(controller->PostEntryError(second, 257));
  RunQueued();
  EXPECT_EQ(sink.boxes.size(), 1u);

  controller->SetErrorPending(false);
  EXPECT_TRUE(controller->PostEntryError(second, 257));
  RunQueued();
  ASSERT_EQ(sink.boxes.size(), 2u);
  EXPECT_EQ(sink.boxes[1].text, QStringLiteral("Value is not valid for this field type"));
}

TEST_F(ControllerForm, ANegativeCodeShowsTheStoredTextUnchanged) {
  controller->SetErrorText(QStringLiteral("Register 7 is busy"));
  controller->PostEntryError(first, -4);
  RunQueued();
  EXPECT_EQ(sink.Texts(), QStringList{QStringLiteral("Register 7 is busy")});
  EXPECT_EQ(controller->ErrorText(), QStringLiteral("Register 7 is busy"));
}

TEST_F(ControllerForm, CodeZeroShowsNothing) {
  controller->SetErrorText(QStringLiteral("earlier"));
  int handled = 0;
  controller->OnError = [&](QObject*, int, const QString&) { ++handled; };
  controller->PostEntryError(first, 0, [&](QWidget*, int, const QString&) { ++handled; });
  RunQueued();
  EXPECT_EQ(handled, 0);
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(controller->ErrorText(), QStringLiteral("earlier"));
}

TEST_F(ControllerForm, TheControllersOnErrorTakesTheErrorInPlaceOfTheBox) {
  QObject* sender = nullptr;
  int code = 0;
  QString text;
  controller->OnError = [&](QObject* s, int c, const QString& t) { sender = s, code = c, text = t; };
  controller->PostEntryError(second, 261);
  RunQueued();
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(sender, second);
  EXPECT_EQ(code, 261);
  EXPECT_EQ(text, QStringLiteral("This field should contain no blanks"));
}

TEST_F(ControllerForm, TheFieldsOwnHandlerComesFirstAndSeesTheStoredText) {
  int controllerCalls = 0;
  controller->OnError = [&](QObject*, int, const QString&) { ++controllerCalls; };
  QWidget* field = nullptr;
  QString storedWhenCalled;
  controller->PostEntryError(first, 256, [&](QWidget* f, int, const QString&) {
    field = f;
    storedWhenCalled = controller->ErrorText();
  });
  RunQueued();
  EXPECT_EQ(field, first);
  EXPECT_EQ(controllerCalls, 0);
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_EQ(storedWhenCalled, QStringLiteral("Value is not within required range"));
}

TEST_F(ControllerForm, TheFocusIsBackOnTheFieldBeforeTheBoxShows) {
  ShowActive();
  second->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), second);
  QWidget* focusAtBox = nullptr;
  sink.whenShown = [&](const RecordingSink::Box&) { focusAtBox = QApplication::focusWidget(); };
  controller->PostShowControl(first);
  controller->PostEntryError(first, 256);
  RunQueued();
  ASSERT_EQ(sink.boxes.size(), 1u);
  EXPECT_EQ(focusAtBox, first);
}

TEST_F(ControllerForm, ShowingAControlMakesItVisibleAndFocusesItOnlyWhenItCanTakeIt) {
  ShowActive();
  second->setFocus();
  first->hide();
  first->setEnabled(false);
  controller->PostShowControl(first);
  RunQueued();
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), second);

  first->setEnabled(true);
  controller->PostShowControl(first);
  RunQueued();
  EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(ControllerForm, AReportWhoseFieldWentAwayIsDroppedAndNoLongerPending) {
  controller->PostEntryError(second, 256);
  delete second;
  second = nullptr;
  RunQueued();
  EXPECT_TRUE(sink.boxes.empty());
  EXPECT_FALSE(controller->ErrorPending());
  EXPECT_TRUE(controller->PostEntryError(first, 256));
}

TEST_F(ControllerForm, EditNoticesRunAfterwardsWithTheFieldAsSender) {
  std::vector<std::pair<QObject*, QWidget*>> pre, post;
  controller->OnPreEdit = [&](QObject* s, QWidget* w) { pre.emplace_back(s, w); };
  controller->OnPostEdit = [&](QObject* s, QWidget* w) { post.emplace_back(s, w); };
  controller->PostPreEdit(first, second);
  controller->PostPostEdit(second, first);
  EXPECT_TRUE(pre.empty());
  EXPECT_TRUE(post.empty());
  RunQueued();
  ASSERT_EQ(pre.size(), 1u);
  EXPECT_EQ(pre[0], std::make_pair(static_cast<QObject*>(first), static_cast<QWidget*>(second)));
  ASSERT_EQ(post.size(), 1u);
  EXPECT_EQ(post[0], std::make_pair(static_cast<QObject*>(second), static_cast<QWidget*>(first)));
}

TEST_F(ControllerForm, AnEditNoticeOutlivingItsControlsPassesNoDanglingPointer) {
  std::vector<std::pair<QObject*, QWidget*>> pre;
  controller->OnPreEdit = [&](QObject* s, QWidget* w) { pre.emplace_back(s, w); };
  controller->PostPreEdit(first, second); // the other control goes: passed as none
  controller->PostPreEdit(second, first); // the field goes: no notice
  delete second;
  RunQueued();
  ASSERT_EQ(pre.size(), 1u);
  EXPECT_EQ(pre[0].first, first);
  EXPECT_EQ(pre[0].second, nullptr);
}

TEST_F(ControllerForm, ADelayedNoticeCarriesItsSenderAndCode) {
  QObject* sender = nullptr;
  quint16 code = 0;
  controller->OnDelayNotify = [&](QObject* s, quint16 c) { sender = s, code = c; };
  controller->PostDelayNotify(first, 0xBEEF);
  EXPECT_EQ(code, 0);
  RunQueued();
  EXPECT_EQ(sender, first);
  EXPECT_EQ(code, 0xBEEF);
}

// Each queued notice with a handler that throws: the error goes to the display, not on.
struct ThrowingCase {
  const char* name;
  std::function<void(TWdgController&, QWidget*, QWidget*)> arm;
};

TEST_F(ControllerForm, ExceptionsInHandlersDoNotEscapeTheQueuedCall) {
  RecordingExceptionDisplay display;
  const auto raise = [] { throw Exception(QStringLiteral("handler failed")); };
  const ThrowingCase cases[] = {
      {"pre-edit",
       [&](TWdgController& c, QWidget* a, QWidget* b) {
         c.OnPreEdit = [&](QObject*, QWidget*) { raise(); };
         c.PostPreEdit(a, b);
       }},
      {"post-edit",
       [&](TWdgController& c, QWidget* a, QWidget* b) {
         c.OnPostEdit = [&](QObject*, QWidget*) { raise(); };
         c.PostPostEdit(a, b);
       }},
      {"delayed notice",
       [&](TWdgController& c, QWidget* a, QWidget*) {
         c.OnDelayNotify = [&](QObject*, quint16) { raise(); };
         c.PostDelayNotify(a, 1);
       }},
      {"entry error",
       [&](TWdgController& c, QWidget* a, QWidget*) {
         c.SetErrorPending(false);
         c.OnError = [&](QObject*, int, const QString&) { raise(); };
         c.PostEntryError(a, 256);
       }},
      {"field's own error handler",
       [&](TWdgController& c, QWidget* a, QWidget*) {
         c.SetErrorPending(false);
         c.PostEntryError(a, 256, [&](QWidget*, int, const QString&) { raise(); });
       }},
  };
  for (const auto& c : cases) {
    display.messages.clear();
    c.arm(*controller, first, second);
    RunQueued();
    EXPECT_EQ(display.messages, QStringList{QStringLiteral("handler failed")}) << c.name;
  }
}

TEST(WdgController, StartsWithTheFormsDefaults) {
  FakeClock clock(QDateTime(QDate(2026, 12, 11), QTime(6, 0)));
  ScopedClock scoped(clock);
  TWdgController controller;
  EXPECT_EQ(controller.EntryOptions(), efoAutoSelect | efoBeepOnError | efoInsertPushes);
  EXPECT_EQ(controller.Epoch(), 2000);
  EXPECT_TRUE(controller.InsertMode());
  EXPECT_FALSE(controller.ErrorPending());
  EXPECT_EQ(controller.About(), QStringLiteral("v1.0"));
  EXPECT_NE(controller.EntryCommands().FindTable(QStringLiteral("Default")), nullptr);
}

TEST(WdgController, TheEpochStartsAtTheCurrentCentury) {
  const std::pair<QDate, int> cases[] = {
      {QDate(1999, 12, 31), 1900}, {QDate(2000, 1, 1), 2000}, {QDate(2099, 6, 1), 2000}};
  for (const auto& [date, century] : cases) {
    FakeClock clock(QDateTime(date, QTime(12, 0)));
    ScopedClock scoped(clock);
    EXPECT_EQ(TWdgController().Epoch(), century) << date.toString().toStdString();
  }
}

TEST(WdgController, TakesAnEpochOnlyWithin1600To3999) {
  const std::pair<int, int> cases[] = {
      {1599, 1900}, {4000, 1900}, {1600, 1600}, {3999, 3999}, {0, 1900}, {-2000, 1900}, {2000, 2000}};
  for (const auto& [year, expected] : cases) {
    TWdgController controller;
    controller.SetEpoch(1900);
    controller.SetEpoch(year);
    EXPECT_EQ(controller.Epoch(), expected) << year;
  }
}

TEST(WdgController, OnGetEpochChangesWhatIsReturnedNotWhatIsStored) {
  TWdgController controller;
  controller.SetEpoch(1900);
  controller.OnGetEpoch = [](QObject*, int& epoch) { epoch = 1950; };
  EXPECT_EQ(controller.Epoch(), 1950);
  // Setting compares with the stored year, not the returned one.
  controller.SetEpoch(1950);
  controller.OnGetEpoch = nullptr;
  EXPECT_EQ(controller.Epoch(), 1950);
  controller.OnGetEpoch = [](QObject*, int& epoch) { epoch += 5; };
  EXPECT_EQ(controller.Epoch(), 1955);
  controller.OnGetEpoch = nullptr;
  EXPECT_EQ(controller.Epoch(), 1950);
}

TEST(WdgController, ASpecialControlIsOnlyWhatTheHandlerSays) {
  TWdgController controller;
  QLineEdit edit, other;
  EXPECT_FALSE(controller.IsSpecialControl(&edit));
  controller.OnIsSpecialControl = [&](QObject* sender, QWidget* c, bool& special) {
    EXPECT_EQ(sender, &controller);
    special = c == &edit;
  };
  EXPECT_TRUE(controller.IsSpecialControl(&edit));
  EXPECT_FALSE(controller.IsSpecialControl(&other));
}

TEST(WdgController, BeepsOnlyWithBeepOnError) {
  CountingBeeper beeper;
  TWdgController controller;
  controller.Beep();
  controller.SetEntryOptions(efoAutoSelect | efoInsertPushes);
  controller.Beep();
  EXPECT_EQ(beeper.beeps, 1);
}

TEST(WdgController, PassesEveryTimerTriggerOnWithItselfAsSender) {
  FakeClock clock;
  ScopedClock scoped(clock);
  TWdgController controller;
  std::vector<std::tuple<QObject*, int, quint32, int>> fired;
  controller.OnTimerTrigger = [&](QObject* s, int h, quint32 i, int e) { fired.emplace_back(s, h, i, e); };
  const int handle = controller.TimerPool().Add(1000, true);
  clock.Advance(1000);
  controller.TimerPool().TimerEvent();
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0], std::make_tuple(static_cast<QObject*>(&controller), handle, 1000u, 1000));
}

TEST(WdgController, ForFindsTheWindowsControllerFromANestedControl) {
  QWidget window;
  auto* panel = new QWidget(&window);
  auto* edit = new QLineEdit(panel);
  auto* own = new TWdgController(&window);
  EXPECT_EQ(TWdgController::For(edit), own);
  EXPECT_EQ(window.findChildren<TWdgController*>().size(), 1);
}

TEST(WdgController, ForMakesOneWdgController1OwnedByTheWindowWhenThereIsNone) {
  QWidget window;
  auto* edit = new QLineEdit(new QWidget(&window));
  TWdgController* made = TWdgController::For(edit);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->objectName(), QStringLiteral("WdgController1"));
  EXPECT_EQ(made->parent(), &window);
  EXPECT_EQ(TWdgController::For(edit), made);
  EXPECT_EQ(window.findChildren<TWdgController*>().size(), 1);
}

TEST(WdgController, ADialogOwnedByTheWindowKeepsItsOwnController) {
  QWidget window;
  auto* mainEdit = new QLineEdit(&window);
  auto* dialog = new QDialog(&window);
  auto* dialogEdit = new QLineEdit(dialog);
  auto* dialogController = new TWdgController(dialog);
  TWdgController* mainController = TWdgController::For(mainEdit);
  EXPECT_NE(mainController, dialogController);
  EXPECT_EQ(mainController->parent(), &window);
  EXPECT_EQ(TWdgController::For(dialogEdit), dialogController);
}
} // namespace
