// "Communications Setup": History.txt and the queue on OK, nothing on Cancel, and a
// History.txt that cannot be written.
#include "SetupFormsFixture.h"
#include "SetupIni.h"
#include "TestSupport.h"

#include "app/setup/SetupForms.h"
#include "app/setup/forms/TfmCommSetup.h"
#include "platform/sys/FormRegistry.h"
#include "store/odb/StorageGlobals.h"
#include "store/settings/SettingsFile.h"
#include "widgets/TUlvaneEdit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <gtest/gtest.h>

namespace {
class CommSetupWindowTest : public SetupFormsFixture {
protected:
  static QString HistoryTxt() { return GetAliasPath(GetDataAlias()) + QStringLiteral("/History.txt"); }
  static TfmCommSetup* Open() {
    CommSetupRequest request;
    EXPECT_EQ(FormRegistry::Show(request), 1);
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* form = qobject_cast<TfmCommSetup*>(w); form && form->isVisible()) return form;
    ADD_FAILURE() << "no window";
    return nullptr;
  }
  static void Type(QWidget& form, const char* edit, const char* text) {
    auto* box = Find<TUlvaneEdit>(form, edit);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QString::fromLatin1(text));
  }
};

TEST_F(CommSetupWindowTest, OkWritesHistoryTxtAndHandsTheValuesOnForThisRunOnly) {
  history().SetDefRetry(4);
  QPointer<TfmCommSetup> form = Open();
  ASSERT_TRUE(form);
  EXPECT_FALSE(form->isModal());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Communications Setup"));
  EXPECT_EQ(Find<TUlvaneEdit>(*form, "edtDefRetry")->text(), QStringLiteral("4"));
  Shoot(*form, "comm-setup.png");
  Type(*form, "edtInitRetry", "05");
  Type(*form, "edtTime", "090");
  Click(*form, "btnOK");
  EXPECT_EQ(TestSupport::ReadFile(HistoryTxt()), QByteArray("05\r\n4\r\n090\r\n100\r\n0\r\n2\r\n"));
  EXPECT_EQ(history().GetInitRetry(), 5);
  EXPECT_EQ(history().GetWaitTime(), 90);
  EXPECT_FALSE(QFile::exists(SettingsFilePath()) && SetupIni::Lines().contains(QStringLiteral("History/WaitTime=90")));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull()); // freed when it closed
}

TEST_F(CommSetupWindowTest, CancelWritesNothing) {
  QPointer<TfmCommSetup> form = Open();
  ASSERT_TRUE(form);
  Type(*form, "edtInitRetry", "9");
  Click(*form, "btnCancel");
  EXPECT_FALSE(QFile::exists(HistoryTxt()));
  EXPECT_EQ(history().GetInitRetry(), 1);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

TEST_F(CommSetupWindowTest, AHistoryTxtThatCannotBeWrittenIsReportedAndTheWindowStays) {
  QDir().mkpath(HistoryTxt()); // a folder in the file's place
  QPointer<TfmCommSetup> form = Open();
  ASSERT_TRUE(form);
  Type(*form, "edtInitRetry", "9");
  Click(*form, "btnOK");
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_EQ(prompter.shown[0].kind, Prompter::Kind::Error);
  EXPECT_TRUE(prompter.shown[0].text.contains(QStringLiteral("History.txt")));
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(history().GetInitRetry(), 1);
  form->close();
}
} // namespace
