// A stored poll presented by its report object: the preview gets the form's pages, a print
// with no printer is an error (never a silent success), a PDF is written with no window,
// and the report object's own messages come first: "No Data Available" for a poll with no
// rows, "ReportFormClass is NIL." for a report without a form.
#include "PollFixture.h"

#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"
#include "reports/RptPollPresenter.h"
#include "reports/engine/RptErrors.h"
#include "reports/engine/RptOutputErrors.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptPrinter.h"
#include "reports/engine/RptReportRegistry.h"

#include <QFile>

namespace {
class Presentation : public PollFixture {
protected:
  Presentation() { RegisterReportPresentations(); }
  ~Presentation() override {
    for (const QString& name : RptReportRegistry::ClassNames()) FormRegistry::Unregister<RptPresentRequest>(name);
  }
};

class tNoFormRpt : public tPollTestRpt {
public:
  explicit tNoFormRpt(TBlank blank) : tPollTestRpt(blank) {}
  QString ReportFormClass() const override { return QString(); }
};
} // namespace

TEST_F(Presentation, APreviewShowsTheFormsPagesOfThePoll) {
  const qint32 poll = StorePoll(PollHeader(), {1250});
  int previews = 0;
  QStringList texts;
  ScopedForm<RptPreviewRequest> preview([&](RptPreviewRequest& request) {
    ++previews;
    const std::optional<RptPageModel> model = request.report.Generate();
    for (const RptItem& item : model->pages.value(0).items) texts.append(item.text);
    return 0;
  });
  report->Present(false, poll);
  EXPECT_EQ(previews, 1);
  EXPECT_TRUE(texts.contains(QStringLiteral("$12.50"))) << texts.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("STORE 1")));
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(Presentation, APollWithoutRowsSaysNoDataAvailableAndShowsNoForm) {
  StorePoll(PollHeader(), {100});
  const qint32 empty = StorePoll(PollHeader(), {});
  int previews = 0;
  ScopedForm<RptPreviewRequest> preview([&](RptPreviewRequest&) { return ++previews; });
  report->Present(false, empty);
  EXPECT_EQ(previews, 0);
  EXPECT_EQ(prompter.Texts(), QStringList{"No Data Available"});
}

TEST_F(Presentation, AReportWithoutAFormSaysSo) {
  tNoFormRpt noForm{TBlank{}};
  noForm.Present(false, StorePoll(PollHeader(), {100}));
  EXPECT_EQ(prompter.Texts(), QStringList{"ReportFormClass is NIL."});
}

TEST_F(Presentation, AFormClassNoDefinitionIsRegisteredForIsAnError) {
  const qint32 poll = StorePoll(PollHeader(), {100});
  RptReportRegistry::Unregister(QStringLiteral("TQrPollTest"));
  FormRegistry::Unregister<RptPresentRequest>(QStringLiteral("TQrPollTest"));
  EXPECT_THROW(report->Present(false, poll), EFormNotRegistered);
  RptPresentRequest request{*report, false, poll};
  EXPECT_THROW(RptPollPresenter::Present(request), ERptNotRegistered);
  RptReportRegistry::Register(QStringLiteral("TQrPollTest"), [] { return std::make_unique<TQrPollTest>(); });
}

TEST_F(Presentation, APrintWithNoPrinterIsAnErrorNotASilentSuccess) {
  if (!RptPrinter::PrinterNames().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  const qint32 poll = StorePoll(PollHeader(), {100});
  RptPresentRequest request{*report, true, poll};
  EXPECT_THROW(RptPollPresenter::Present(request), ERptNoPrinter);
}

TEST_F(Presentation, APdfIsWrittenWithNoWindowAndNothingForAPollWithoutRows) {
  const qint32 poll = StorePoll(PollHeader(), {100});
  const qint32 empty = StorePoll(PollHeader(), {});
  const QString file = dir.filePath(QStringLiteral("poll.pdf"));
  const QString none = dir.filePath(QStringLiteral("none.pdf"));
  EXPECT_TRUE(RptPollPresenter::WritePdf(*report, poll, file));
  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_FALSE(RptPollPresenter::WritePdf(*report, empty, none));
  EXPECT_FALSE(QFile::exists(none));
}
