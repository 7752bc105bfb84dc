#include "ReportFormFixture.h"

#include "model/ZeroSkip.h"
#include "platform/engine/TTable.h"
#include "reports/RptPollRun.h"
#include "reports/engine/RptFontMap.h"
#include "reports/engine/RptPdfWriter.h"
#include "reports/engine/RptTextRenderer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
constexpr double kCellMm = 1.27;

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  const bool ended = process.waitForFinished(30000);
  EXPECT_TRUE(ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
      << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList Squeezed(const QStringList& lines) {
  QStringList squeezed;
  for (const QString& line : lines)
    if (!line.trimmed().isEmpty()) squeezed << line.simplified();
  return squeezed;
}
} // namespace

qint32 ReportFormFixture::Store(tEcrRpt& rpt, const QList<QVariantMap>& rows, const PollHeader& header) {
  PollHeader of = header;
  of.reportClass = rpt.ClassName();
  of.reportName = rpt.GetRptName();
  const qint32 poll = StorePoll(of, {});
  TTable table;
  rpt.OpenTable(table);
  for (const QVariantMap& row : rows) {
    table.Append();
    table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(poll);
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
      if (!it.value().isValid()) continue;
      TField& field = table.FieldByName(it.key());
      if (field.DataType() == TFieldType::Money)
        field.SetAsFloat(it.value().toDouble());
      else
        field.SetValue(it.value());
    }
    table.Post();
  }
  return poll;
}

std::optional<RptPageModel> ReportFormFixture::Generate(tEcrRpt& rpt, qint32 poll, bool zeroSkip) {
  const QScopedValueRollback skip(ZeroSkip, zeroSkip);
  RptPollRun run(rpt, poll);
  return run.Generate();
}

QList<QStringList> ReportFormFixture::PageLines(const RptPageModel& model) {
  QList<QStringList> pages;
  for (const RptPage& page : model.pages) pages << Squeezed(RptTextRenderer::PageLines(page, model.setup, kCellMm));
  return pages;
}

QStringList ReportFormFixture::LinesBelow(const RptPageModel& model, const QString& caption) {
  QStringList lines;
  for (const QStringList& page : PageLines(model)) {
    bool below = false;
    for (const QString& line : page) {
      if (below) lines << line;
      below = below || line.contains(caption);
    }
  }
  return lines;
}

std::string ReportFormFixture::Overflowing(const RptPageModel& model) {
  // Measured on a PDF device, as the PDF writer draws them.
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter device(&buffer);
  device.setResolution(1200);
  QStringList overflowing;
  for (const RptPage& page : model.pages)
    for (const RptItem& item : page.items) {
      QString text = item.text;
      while (text.endsWith(u' ')) text.chop(1);
      if (text.isEmpty()) continue;
      const double width = QFontMetricsF(RptQFont(item.font), &device).horizontalAdvance(text) * 72 / 1200;
      const double room = item.rectMm.width() * 72 / kRptMmPerInch;
      if (width > room) overflowing << QStringLiteral("%1: %2 > %3").arg(text).arg(width, 0, 'f', 1).arg(room, 0, 'f', 1);
    }
  overflowing.removeDuplicates();
  return overflowing.join(u'\n').toStdString();
}

// TB_REPORTS_PDF_DIR=folder keeps a copy of every PDF the tests read back, named after the
// test, for looking at the pages themselves.
void ReportFormFixture::KeepPdf(const QString& file) {
  const QString folder = qEnvironmentVariable("TB_REPORTS_PDF_DIR");
  if (folder.isEmpty()) return;
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  const QString name = test ? QStringLiteral("%1.%2.pdf").arg(QLatin1String(test->test_suite_name()), QLatin1String(test->name()))
                            : QStringLiteral("report.pdf");
  QDir().mkpath(folder);
  QFile::remove(QDir(folder).filePath(name));
  QFile::copy(file, QDir(folder).filePath(name));
}

QStringList ReportFormFixture::GeneratedLinesBelow(tEcrRpt& rpt, qint32 poll, bool zeroSkip, const QString& caption) {
  const std::optional<RptPageModel> model = Generate(rpt, poll, zeroSkip);
  EXPECT_TRUE(model) << "nothing was printed";
  return model ? LinesBelow(*model, caption) : QStringList();
}

bool ReportFormFixture::HasPdfTools() {
  return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

ReportFormFixture::Pdf ReportFormFixture::ReadBackPdf(const RptPageModel& model) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("report.pdf"));
  RptPdfWriter::Write(model, file);
  KeepPdf(file);
  Pdf pdf;
  const QRegularExpression size(QStringLiteral("^Page size:\\s+(.*)$"), QRegularExpression::MultilineOption);
  pdf.pageSize = size.match(RunTool(QStringLiteral("pdfinfo"), {file})).captured(1).trimmed();
  QStringList pages = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}).split(u'\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  for (const QString& page : pages) pdf.pages << Squeezed(page.split(u'\n'));
  return pdf;
}

void ReportFormFixture::ExpectOneLetterPage(const RptPageModel& model, const QString& title, const QStringList& lines) {
  EXPECT_EQ(Overflowing(model), "");
  const Pdf pdf = ReadBackPdf(model);
  EXPECT_EQ(pdf.pageSize, QStringLiteral("612 x 792 pts (letter)"));
  ASSERT_EQ(pdf.pages.size(), 1);
  const QStringList& page = pdf.pages[0];
  ASSERT_FALSE(page.isEmpty());
  EXPECT_TRUE(page[0].contains(title)) << page[0].toStdString();
  for (const QString& line : lines) EXPECT_TRUE(page.contains(line)) << line.toStdString() << "\n" << page.join(u'\n').toStdString();
}
