// The option dialogs as a report reaches them: through the form registry, under the form
// class name the report gives.
#include "RptOptFixture.h"
#include "crs3000/tEcrRptCrs3000DayShift.h"
#include "crs3000/tEcrRptCrs3000Ej.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"
#include "reports/forms/ReportsForms.h"

#include <QDir>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace rptopttest {
namespace {

// Runs the action on the next modal dialog as soon as it shows.
void WhenModal(std::function<void(QDialog&)> action) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, action] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    action(*dialog);
  });
  poll->start();
}

void Press(QDialog& dialog, const char* button) {
  auto* target = dialog.findChild<QAbstractButton*>(QString::fromLatin1(button));
  ASSERT_NE(target, nullptr) << button;
  target->click();
}

class ReportsForms : public ::testing::Test {
protected:
  ReportsForms() { RegisterReportsForms(); }
};

TEST_F(ReportsForms, EachDialogIsShownUnderItsFormClassWithTheCallersCaption) {
  for (const RptOptCrs3000Variant& variant : RptOptCrs3000Variants()) {
    SCOPED_TRACE(variant.formClass.toStdString());
    auto report = tEcrFnct::New<tEcrRptCrs3000>(nullptr);
    QString shownAs, caption;
    WhenModal([&](QDialog& dialog) {
      shownAs = dialog.objectName();
      caption = dialog.windowTitle();
      Press(dialog, "btnCancel");
    });
    RptOptsRequest request{*report, QStringLiteral("Sales Report")};
    EXPECT_EQ(FormRegistry::Show(request, variant.formClass), 0);
    EXPECT_EQ(shownAs, variant.formClass);
    EXPECT_EQ(caption, "Sales Report");
  }
}

// Every report class the program holds asks for a dialog that is there, or for none.
TEST_F(ReportsForms, EveryReportClassNamesARegisteredDialog) {
  int reports = 0;
  for (const TClass* cls : TClass::AllClasses()) {
    if (cls->IsAbstract() || !cls->InheritsFrom(tEcrRpt::StaticClass())) continue;
    std::unique_ptr<TObject> blank(cls->NewBlank());
    const QString form = static_cast<tEcrRpt&>(*blank).GetOptsFormClass();
    ++reports;
    EXPECT_TRUE(form == QLatin1String(kNoOptionsForm) || FormRegistry::Has<RptOptsRequest>(form))
        << cls->ClassName().toStdString() << " asks for " << form.toStdString();
  }
  EXPECT_GE(reports, 10); // the CRS 3000 reports were walked
}

// The report's own options call: true after Accept, false after Cancel.
TEST_F(ReportsForms, AReportsOptionsCallAnswersWhetherTheUserAccepted) {
  struct Row {
    std::function<std::unique_ptr<tEcrRpt>()> make;
    const char* button;
    bool answer;
    Params after;
  };
  const std::vector<Row> rows{
      {[] { return tEcrFnct::New<tEcrRptCrs3000>(nullptr); }, "btnAccept", true, {1, 0, 1, 24, 0, 0}},
      {[] { return tEcrFnct::New<tEcrRptCrs3000>(nullptr); }, "btnCancel", false, {0, 0, 1, 24, 0, 0}},
      {[] { return tEcrFnct::New<tEcrRptCrs3000DayShift>(nullptr); }, "btnAccept", true, {0, 1, 1, 24, 0, 0}},
      {[] { return tEcrFnct::New<tEcrRptCrs3000Ej>(nullptr); }, "btnAccept", true, {0, 0, 1, 1, 0, 0}},
  };
  for (const Row& row : rows) {
    auto report = row.make();
    SCOPED_TRACE(report->GetOptsFormClass().toStdString() + " " + row.button);
    WhenModal([&](QDialog& dialog) {
      // The user picks the first option the dialog shows in its second item.
      for (const char* name : {"rgpArea1", "rgpPrintAtReg1"})
        if (auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name)); button && button->isVisibleTo(&dialog)) {
          button->click();
          break;
        }
      Press(dialog, row.button);
    });
    EXPECT_EQ(report->MntRptOpts(), row.answer);
    EXPECT_EQ(Text(ParamsOf(*report)), Text(row.after));
  }
}

// Each dialog drawn offscreen; TB_SHOT_DIR keeps the pictures.
TEST_F(ReportsForms, EachDialogDrawsItsControls) {
  const QString folder = qEnvironmentVariable("TB_SHOT_DIR");
  for (const RptOptCrs3000Variant& variant : RptOptCrs3000Variants()) {
    SCOPED_TRACE(variant.formClass.toStdString());
    auto report = tEcrFnct::New<tEcrRptCrs3000>(nullptr);
    TfmEcrRptOptCrs3000 dialog(*report, variant);
    dialog.setWindowTitle(QStringLiteral("Sales Report"));
    dialog.show();
    RunQueued();
    const QImage image = dialog.grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), dialog.size() * image.devicePixelRatio());
    // Something besides the window colour is drawn.
    const QRgb background = image.pixel(0, 0);
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; y += 2)
      for (int x = 0; x < image.width() && !drawn; x += 2) drawn = image.pixel(x, y) != background;
    EXPECT_TRUE(drawn);
    if (!folder.isEmpty()) image.save(QDir(folder).filePath(variant.formClass + QStringLiteral(".png")));
  }
}

} // namespace
} // namespace rptopttest
