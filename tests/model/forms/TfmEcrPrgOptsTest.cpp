// The Program ID editor over a driver's programs: what each row shows, and when an edited
// Program ID reaches its program.
#include "ModalDriver.h"
#include "SelectionDoubles.h"

#include "model/forms/ModelForms.h"
#include "model/forms/TfmEcrPrgOpts.h"
#include "platform/sys/TDateTime.h"
#include "widgets/TWdgTable.h"

#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
QString Cell(TfmEcrPrgOpts& form, int row, int col) {
  const QString* text = form.Table()->GetCellData(row, col, cdpPaint);
  return text ? *text : QString();
}

void ShowActive(QWidget& form) {
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

void Key(int key) {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
  QApplication::processEvents();
}

void Type(const QString& text) {
  for (QChar ch : text) QTest::keyClicks(QApplication::focusWidget(), QString(ch));
  QApplication::processEvents();
}

class TfmEcrPrgOptsTest : public ::testing::Test {
protected:
  TfmEcrPrgOptsTest() {
    RegisterModelForms();
    driver->Prg(1)->SetProgramID(QStringLiteral("Shop2"));
    driver->Prg(2)->SetLastSnt(TDateTime::FromQDateTime(QDateTime(QDate(2026, 3, 2), QTime(22, 15))));
    driver->Prg(3)->SetLastSvd(TDateTime::FromQDateTime(QDateTime(QDate(2026, 2, 27), QTime(9, 5))));
  }
  std::unique_ptr<tEcr> driver = NewSelDriver();
};
} // namespace

TEST_F(TfmEcrPrgOptsTest, EachProgramShowsItsNameIdAndStamps) {
  TfmEcrPrgOpts form(*driver, QStringLiteral("Main"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Edit Ecr - Program ID's"));
  EXPECT_EQ(form.Table()->RowLimit(), 4);
  const QStringList expected[] = {
      {"Sales", "Shop2", "Never", "Never"},
      {"Clerks", "Default", "Monday, March 2, 2026, 10:15 PM", "Never"},
      {"Taxes", "Default", "Never", "Friday, February 27, 2026, 09:05 AM"},
  };
  for (int row = 1; row <= 3; ++row) {
    QStringList shown;
    for (int col = 0; col < 4; ++col) shown << Cell(form, row, col);
    EXPECT_EQ(shown, expected[row - 1]) << "row " << row;
  }
  const int widths[] = {144, 150, 220, 220};
  for (int col = 0; col < 4; ++col) EXPECT_EQ(form.Table()->Columns().Column(col)->Width(), widths[col]);
  // Only the Program ID is editable: the other columns give nothing to save into.
  EXPECT_NE(form.Table()->GetCellData(1, 1, cdpSave), nullptr);
  EXPECT_EQ(form.Table()->GetCellData(1, 2, cdpSave), nullptr);
  const QString shots = QDir::temp().filePath(QStringLiteral("tillbridge-shots"));
  QDir().mkpath(shots);
  form.show();
  form.grab().save(QDir(shots).filePath(QStringLiteral("ProgramIdEditor.png")));
}

TEST_F(TfmEcrPrgOptsTest, AnEditedIdIsInTheProgramAsSoonAsTheCellIsLeft) {
  TfmEcrPrgOpts form(*driver, QStringLiteral("Main"));
  ShowActive(form);
  form.Table()->setFocus();
  form.Table()->SetActiveRow(2);
  form.Table()->SetActiveCol(1);
  Type(QStringLiteral("Back9"));
  ASSERT_TRUE(form.Table()->IsEditing());
  EXPECT_EQ(driver->Prg(2)->GetProgramID(), QStringLiteral("Default")); // not while typing
  Key(Qt::Key_Down);
  EXPECT_FALSE(form.Table()->IsEditing());
  EXPECT_EQ(driver->Prg(2)->GetProgramID(), QStringLiteral("Back9")); // before the window closes
  QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnExit")), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(driver->Prg(2)->GetProgramID(), QStringLiteral("Back9"));
  EXPECT_EQ(driver->Prg(1)->GetProgramID(), QStringLiteral("Shop2"));
}

TEST_F(TfmEcrPrgOptsTest, ExitDuringAnEditKeepsWhatWasTyped) {
  TfmEcrPrgOpts form(*driver, QStringLiteral("Main"));
  ShowActive(form);
  form.Table()->setFocus();
  form.Table()->SetActiveRow(3);
  form.Table()->SetActiveCol(1);
  Type(QStringLiteral("Late"));
  ASSERT_TRUE(form.Table()->IsEditing());
  form.accept();
  EXPECT_EQ(driver->Prg(3)->GetProgramID(), QStringLiteral("Late"));
}

TEST_F(TfmEcrPrgOptsTest, SetAllToDefaultGivesEveryProgramTheDefault) {
  TfmEcrPrgOpts form(*driver, QStringLiteral("Main"));
  ShowActive(form);
  QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnSetPrgId")), Qt::LeftButton);
  for (int row = 1; row <= 3; ++row) {
    EXPECT_EQ(Cell(form, row, 1), QStringLiteral("Main")) << row;
    EXPECT_EQ(driver->Prg(row)->GetProgramID(), QStringLiteral("Main")) << row;
  }
  EXPECT_EQ(form.Table()->RedrawLockCount(), 0);
}

TEST_F(TfmEcrPrgOptsTest, TheDriverOpensItThroughTheRegistry) {
  bool seen = false;
  ModalDriver::WhenShown([&](QWidget* w) {
    auto* form = qobject_cast<TfmEcrPrgOpts*>(w);
    seen = form != nullptr;
    if (!form) return;
    form->SetAllToDefault();
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnExit")), Qt::LeftButton);
  });
  driver->EditProgramIDs(QStringLiteral("Store4"));
  EXPECT_TRUE(seen);
  EXPECT_EQ(driver->Prg(1)->GetProgramID(), QStringLiteral("Store4"));
}
