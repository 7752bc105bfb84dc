// Runs a sample report of several pages through the report engine. --pdf FILE writes it as a
// PDF on the paper of --page-size, --text prints its text rendering, and otherwise the preview
// shows it; --screenshot FILE writes the preview to an image and ends, which also works
// without a display (QT_QPA_PLATFORM=offscreen).
#include "SampleReport.h"

#include "platform/sys/FormRegistry.h"
#include "reports/engine/RptOutputErrors.h"
#include "reports/engine/RptPdfWriter.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptTextRenderer.h"
#include "reports/engine/forms/ReportEngineForms.h"
#include "reports/engine/forms/TRptPreviewForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QTimer>

namespace {
int ShowPreview(RptReport& report, const QString& shot, int page) {
  std::optional<RptPageModel> model = report.Generate();
  if (!model) return 1;
  TRptPreviewForm form(report, std::move(*model));
  form.GoTo(page - 1);
  if (shot.isEmpty()) {
    form.exec();
    return 0;
  }
  form.show();
  int result = 1;
  QTimer::singleShot(100, &form, [&] {
    result = form.grab().save(shot) ? 0 : 1;
    form.close();
  });
  form.exec();
  return result;
}
} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral("A sample report through the report engine."));
  options.addHelpOption();
  options.addOption({QStringLiteral("pdf"), QStringLiteral("Write the report as a PDF file and end."), QStringLiteral("file")});
  options.addOption({QStringLiteral("page-size"), QStringLiteral("letter, landscape, roll1 or roll2."),
                     QStringLiteral("name"), QStringLiteral("letter")});
  options.addOption({QStringLiteral("rows"), QStringLiteral("Rows of the sample."), QStringLiteral("n"), QStringLiteral("150")});
  options.addOption({QStringLiteral("text"), QStringLiteral("Print the report's text rendering and end.")});
  options.addOption({QStringLiteral("screenshot"), QStringLiteral("Write the preview to this image and end."),
                     QStringLiteral("file")});
  options.addOption({QStringLiteral("page"), QStringLiteral("The page the preview shows first."), QStringLiteral("n"),
                     QStringLiteral("1")});
  options.process(app);

  QTextStream err(stderr);
  const std::optional<RptPageSetup> paper = SamplePaper(options.value(QStringLiteral("page-size")));
  if (!paper) {
    err << "report-demo: unknown page size \"" << options.value(QStringLiteral("page-size")) << "\"\n";
    return 2;
  }
  const auto sample = MakeSampleReport(*paper, options.value(QStringLiteral("rows")).toInt());
  RptReport& report = *sample->report;
  try {
    if (options.isSet(QStringLiteral("pdf"))) {
      const std::optional<RptPageModel> model = report.Generate();
      if (!model) return 1;
      RptPdfWriter::Write(*model, options.value(QStringLiteral("pdf")));
      return 0;
    }
    if (options.isSet(QStringLiteral("text"))) {
      const std::optional<RptPageModel> model = report.Generate();
      if (!model) return 1;
      QTextStream(stdout) << RptTextRenderer::Render(*model);
      return 0;
    }
    if (!options.isSet(QStringLiteral("screenshot"))) {
      // The way the program asks for it: through the form registry.
      RegisterReportEngineForms();
      RptPreviewRequest request{report, std::nullopt};
      FormRegistry::Show(request);
      return 0;
    }
    return ShowPreview(report, options.value(QStringLiteral("screenshot")), options.value(QStringLiteral("page")).toInt());
  } catch (const Exception& e) {
    err << "report-demo: " << e.Message() << "\n";
    return 1;
  }
}
