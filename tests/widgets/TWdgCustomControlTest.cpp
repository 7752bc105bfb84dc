#include "widgets/TWdgAttachedLabel.h"
#include "widgets/TWdgController.h"
#include "widgets/TWdgCustomControl.h"
#include "widgets/TWdgCustomControlEx.h"
#include "widgets/TWdgGraphicControl.h"

#include "WdgTestDoubles.h"
#include "widgets/core/WdgControlErrors.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
TEST(WdgLabelInfo, ReportsOffsetsOnceAndOnlyWhenASingleOffsetChanges) {
  TWdgLabelInfo info;
  int reports = 0;
  info.OnOffsetsChanged = [&] { ++reports; };
  const struct {
    const char* step;
    std::function<void()> act;
    int reports;
  } steps[] = {
      {"same x", [&] { info.SetOffsetX(0); }, 0},
      {"new x", [&] { info.SetOffsetX(4); }, 1},
      {"same y", [&] { info.SetOffsetY(0); }, 0},
      {"new y", [&] { info.SetOffsetY(-3); }, 1},
      {"both new", [&] { info.SetOffsets(7, 8); }, 1},
      {"both same", [&] { info.SetOffsets(7, 8); }, 1},
  };
  for (const auto& s : steps) {
    reports = 0;
    s.act();
    EXPECT_EQ(reports, s.reports) << s.step;
  }
  EXPECT_EQ(info.OffsetX(), 7);
  EXPECT_EQ(info.OffsetY(), 8);
}

TEST(WdgLabelInfo, ReportsVisibilityOnlyWhenItChanges) {
  TWdgLabelInfo info;
  int reports = 0;
  info.OnVisibleChanged = [&] { ++reports; };
  info.SetVisible(false);
  info.SetVisible(true);
  info.SetVisible(true);
  info.SetVisibleQuietly(false);
  EXPECT_EQ(reports, 1);
  EXPECT_FALSE(info.Visible());
}

// A form with a control "Amount" at (50, 100), 80 by 20, and one other control.
struct LabelForm : ::testing::Test {
  QWidget form;
  TWdgCustomControl* control = new TWdgCustomControl(&form);
  TWdgCustomControl* other = new TWdgCustomControl(&form);

  LabelForm() {
    form.resize(400, 300);
    control->setObjectName(QStringLiteral("Amount"));
    control->setGeometry(50, 100, 80, 20);
    other->setGeometry(50, 200, 80, 20);
    control->setFocusPolicy(Qt::StrongFocus);
    other->setFocusPolicy(Qt::StrongFocus);
  }
  void ShowActive() {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    RunQueued();
  }
  TWdgAttachedLabel* Label() { return control->LabelInfo().Label(); }
  // Where the label must stand for the control's place and the stored offsets.
  QPoint Expected() {
    const auto& info = control->LabelInfo();
    return {control->x() + info.OffsetX(), control->y() + info.OffsetY() - Label()->height()};
  }
};

TEST_F(LabelForm, WithoutAVisibleLabelAskingForItFails) {
  try {
    control->AttachedLabel();
    FAIL() << "no error";
  } catch (const ELabelNotAttached& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Label not attached"));
  }
}

TEST_F(LabelForm, ShowingTheLabelMakesOneAboveTheControlNamedAfterIt) {
  auto* taken = new QObject(&form);
  taken->setObjectName(QStringLiteral("AmountLabel1"));
  ShowActive();
  control->LabelInfo().SetVisible(true);
  TWdgAttachedLabel* label = control->AttachedLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->objectName(), QStringLiteral("AmountLabel2"));
  EXPECT_EQ(label->text(), QStringLiteral("AmountLabel2"));
  EXPECT_EQ(label->parentWidget(), &form);
  EXPECT_EQ(label->buddy(), control);
  EXPECT_EQ(label->Control(), control);
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->size(), label->sizeHint());
  // Offsets (0, 0): its bottom on the control's top, its left on the control's left.
  EXPECT_EQ(label->pos(), QPoint(50, 100 - label->height()));
  RunQueued();
  EXPECT_EQ(label->pos(), QPoint(50, 100 - label->height()));
  EXPECT_EQ(control->LabelInfo().OffsetX(), 0);
  EXPECT_EQ(control->LabelInfo().OffsetY(), 0);
}

TEST_F(LabelForm, NewOffsetsPlaceTheLabelAgain) {
  ShowActive();
  control->LabelInfo().SetVisible(true);
  const std::pair<QPoint, std::function<void(TWdgLabelInfo&)>> steps[] = {
      {{10, -5}, [](TWdgLabelInfo& i) { i.SetOffsets(10, -5); }},
      {{10, 30}, [](TWdgLabelInfo& i) { i.SetOffsetY(30); }},
      {{-20, 30}, [](TWdgLabelInfo& i) { i.SetOffsetX(-20); }},
  };
  for (const auto& [offsets, set] : steps) {
    set(control->LabelInfo());
    RunQueued();
    EXPECT_EQ(Label()->pos(), QPoint(50 + offsets.x(), 100 + offsets.y() - Label()->height()));
    EXPECT_EQ(control->LabelInfo().OffsetX(), offsets.x());
    EXPECT_EQ(control->LabelInfo().OffsetY(), offsets.y());
  }
}

TEST_F(LabelForm, MovingTheControlKeepsItsLabelAtTheSameOffsets) {
  ShowActive();
  control->LabelInfo().SetVisible(true);
  control->LabelInfo().SetOffsets(10, -5);
  RunQueued();
  for (const QRect& bounds : {QRect(200, 150, 80, 20), QRect(20, 250, 120, 30), QRect(20, 250, 60, 10)}) {
    control->setGeometry(bounds);
    RunQueued();
    EXPECT_EQ(Label()->pos(), QPoint(bounds.x() + 10, bounds.y() - 5 - Label()->height()));
    EXPECT_EQ(control->LabelInfo().OffsetX(), 10);
    EXPECT_EQ(control->LabelInfo().OffsetY(), -5);
  }
}

TEST_F(LabelForm, MovingTheLabelChangesTheStoredOffsets) {
  ShowActive();
  control->LabelInfo().SetVisible(true);
  RunQueued();
  Label()->move(20, 40);
  RunQueued();
  EXPECT_EQ(Label()->pos(), QPoint(20, 40));
  EXPECT_EQ(control->LabelInfo().OffsetX(), 20 - 50);
  EXPECT_EQ(control->LabelInfo().OffsetY(), 40 + Label()->height() - 100);
  control->move(60, 110);
  RunQueued();
  EXPECT_EQ(Label()->pos(), QPoint(30, 50));
}

TEST_F(LabelForm, ALabelMadeForTheControlByHandIsTakenAsItsLabel) {
  ShowActive();
  auto* label = TWdgAttachedLabel::CreateForControl(&form, control);
  label->SetCaption(QStringLiteral("Amount:"));
  label->move(45, 70);
  label->show();
  RunQueued();
  EXPECT_TRUE(control->LabelInfo().Visible());
  EXPECT_EQ(control->AttachedLabel(), label);
  EXPECT_EQ(control->LabelInfo().OffsetX(), -5);
  EXPECT_EQ(control->LabelInfo().OffsetY(), 70 + label->height() - 100);
}

TEST_F(LabelForm, TheLabelFollowsTheControlsVisibility) {
  ShowActive();
  control->LabelInfo().SetVisible(true);
  control->hide();
  EXPECT_FALSE(Label()->isVisible());
  control->show();
  EXPECT_TRUE(Label()->isVisible());
}

TEST_F(LabelForm, HidingTheLabelInfoFreesTheLabel) {
  ShowActive();
  control->LabelInfo().SetVisible(true);
  QPointer<TWdgAttachedLabel> label = Label();
  control->LabelInfo().SetVisible(false);
  EXPECT_TRUE(label.isNull());
  EXPECT_THROW(control->AttachedLabel(), ELabelNotAttached);
}

TEST_F(LabelForm, ALabelDeletedElsewhereLeavesTheControlWithoutOne) {
  ShowActive();
  control->LabelInfo().SetVisible(true);
  delete Label();
  EXPECT_FALSE(control->LabelInfo().Visible());
  EXPECT_EQ(control->LabelInfo().Label(), nullptr);
  control->move(70, 120); // nothing left to place
  RunQueued();
  // A new one can be made again.
  control->LabelInfo().SetVisible(true);
  EXPECT_NE(control->AttachedLabel(), nullptr);
}

TEST_F(LabelForm, DestroyingTheControlFreesItsLabel) {
  control->LabelInfo().SetVisible(true);
  QPointer<TWdgAttachedLabel> label = Label();
  delete control;
  EXPECT_TRUE(label.isNull());
  RunQueued();
}

TEST_F(LabelForm, AControlNameThatIsNoIdentifierMakesNoLabel) {
  control->setObjectName(QStringLiteral("my amount"));
  try {
    control->LabelInfo().SetVisible(true);
    FAIL() << "no error";
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("''my amountLabel'' is not a valid component name"));
  }
  EXPECT_FALSE(control->LabelInfo().Visible());
  EXPECT_TRUE(form.findChildren<TWdgAttachedLabel*>().isEmpty());
}

TEST_F(LabelForm, AfterEnterAndAfterExitRunOnceTheFocusHasMoved) {
  ShowActive();
  other->setFocus(Qt::TabFocusReason);
  RunQueued();
  std::vector<std::pair<const char*, QWidget*>> seen; // event, focus widget at that time
  control->AfterEnter = [&](QObject*) { seen.emplace_back("enter", QApplication::focusWidget()); };
  control->AfterExit = [&](QObject*) { seen.emplace_back("exit", QApplication::focusWidget()); };
  control->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(seen.empty());
  RunQueued();
  other->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(seen.size(), 1u);
  RunQueued();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_STREQ(seen[0].first, "enter");
  EXPECT_EQ(seen[0].second, control);
  EXPECT_STREQ(seen[1].first, "exit");
  EXPECT_EQ(seen[1].second, other);
}

TEST(WdgShiftState, FromModifiersAndButtons) {
  const struct {
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButtons buttons;
    TWdgShiftState expected;
  } cases[] = {
      {Qt::NoModifier, Qt::NoButton, {}},
      {Qt::ShiftModifier, Qt::NoButton, ssShift},
      {Qt::ControlModifier | Qt::AltModifier, Qt::NoButton, ssCtrl | ssAlt},
      {Qt::NoModifier, Qt::LeftButton | Qt::MiddleButton, ssLeft | ssMiddle},
      {Qt::ShiftModifier, Qt::RightButton, ssShift | ssRight},
      {Qt::MetaModifier | Qt::KeypadModifier, Qt::BackButton, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WdgShiftState(c.modifiers, c.buttons), c.expected) << int(c.modifiers) << " " << int(c.buttons);
}

TEST(WdgCustomControl, TheWheelReportsKeysDeltaAndScreenPoint) {
  QWidget parent;
  auto* control = new TWdgCustomControl(&parent);
  control->setGeometry(10, 10, 50, 20);
  QWheelEvent wheel(QPointF(5, 6), QPointF(300, 200), QPoint(), QPoint(0, -240), Qt::LeftButton,
                    Qt::ShiftModifier | Qt::ControlModifier, Qt::NoScrollPhase, false);
  // Without a handler the wheel is left to the parent.
  QApplication::sendEvent(control, &wheel);
  EXPECT_FALSE(wheel.isAccepted());

  std::vector<std::tuple<QObject*, TWdgShiftState, int, int, int>> seen;
  control->OnMouseWheel = [&](QObject* s, TWdgShiftState shift, qint16 d, qint16 x, qint16 y) {
    seen.emplace_back(s, shift, d, x, y);
  };
  QWheelEvent again(QPointF(5, 6), QPointF(300, 200), QPoint(), QPoint(0, -240), Qt::LeftButton,
                    Qt::ShiftModifier | Qt::ControlModifier, Qt::NoScrollPhase, false);
  again.ignore();
  QApplication::sendEvent(control, &again);
  EXPECT_TRUE(again.isAccepted());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], std::make_tuple(static_cast<QObject*>(control), ssShift | ssCtrl | ssLeft, -240, 300, 200));
}

TEST(WdgCustomControl, EveryBaseGivesTheLibraryVersion) {
  EXPECT_EQ(TWdgCustomControl().About(), QStringLiteral("v1.0"));
  EXPECT_EQ(TWdgGraphicControl().About(), QStringLiteral("v1.0"));
  EXPECT_EQ(TWdgComponent().About(), QStringLiteral("v1.0"));
}

TEST(WdgGraphicControl, NeverTakesTheFocus) {
  QWidget form;
  auto* graphic = new TWdgGraphicControl(&form);
  form.show();
  graphic->setFocus();
  EXPECT_FALSE(graphic->hasFocus());
}

// Finding the controller when the control is first made ready to show.
TEST(WdgCustomControlEx, TakesTheWindowsFirstControllerWhenShown) {
  QWidget form;
  auto* panel = new QWidget(&form);
  auto* control = new TWdgCustomControlEx(panel);
  EXPECT_FALSE(control->HasController()); // not when built
  auto* first = new TWdgController(&form);
  new TWdgController(&form);
  form.show();
  EXPECT_EQ(control->Controller(), first);
  EXPECT_EQ(form.findChildren<TWdgController*>().size(), 2);
}

TEST(WdgCustomControlEx, MakesWdgController1WhenTheWindowHasNone) {
  QWidget form;
  auto* control = new TWdgCustomControlEx(&form);
  auto* second = new TWdgCustomControlEx(&form);
  form.show();
  ASSERT_TRUE(control->HasController());
  EXPECT_EQ(control->Controller()->objectName(), QStringLiteral("WdgController1"));
  EXPECT_EQ(control->Controller()->parent(), &form);
  EXPECT_EQ(second->Controller(), control->Controller());
}

TEST(WdgCustomControlEx, KeepsTheControllerItWasGiven) {
  QWidget form;
  TWdgController elsewhere;
  new TWdgController(&form);
  auto* control = new TWdgCustomControlEx(&form);
  control->SetController(&elsewhere);
  form.show();
  EXPECT_EQ(control->Controller(), &elsewhere);
}

TEST(WdgCustomControlEx, ForgetsADestroyedControllerAndFindsAnotherWhenAsked) {
  QWidget form;
  auto* control = new TWdgCustomControlEx(&form);
  auto* first = new TWdgController(&form);
  form.show();
  ASSERT_EQ(control->Controller(), first);
  delete first;
  EXPECT_FALSE(control->HasController());
  auto* next = new TWdgController(&form);
  EXPECT_EQ(&control->RequireController(), next);
}

TEST(WdgCustomControlEx, AControlStandingAloneHasNoController) {
  RecordingExceptionDisplay display;
  TWdgCustomControlEx control;
  control.show();
  EXPECT_EQ(display.messages, QStringList{QStringLiteral("No Controller assigned")});
  EXPECT_FALSE(control.HasController());
  EXPECT_THROW(control.RequireController(), ENoControllerAssigned);
}
} // namespace
