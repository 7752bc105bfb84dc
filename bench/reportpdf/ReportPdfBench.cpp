// Writes a PLU listing of 10,000 rows as a PDF two ways: through the report engine (generation
// into the page model, then the PDF writer), and by drawing the same strings at the same
// places with the same fonts straight onto a PDF writer. Prints the best time of each, the
// engine's share of the direct speed, the page model's size and the peak memory.
#include "reports/engine/RptFontMap.h"
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptPdfWriter.h"
#include "reports/engine/RptReport.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {
constexpr int kRows = 10000;
double engineSeconds = 1e9;
double directSeconds = 1e9;
qint64 modelItems = 0;

struct Listing {
  RptMemoryRows rows{{"PLU", "Descriptor", "Count", "Total"}};
  RptReport report{QStringLiteral("PluListing")};
  Listing() {
    for (int i = 1; i <= kRows; ++i)
      rows.Append({RptValue::Integer(i), RptValue::Text(QStringLiteral("Item %1").arg(i % 977)),
                   RptValue::Integer(i % 31), RptValue::Money((i % 5000) * 0.25)});
    report.SetMaster(&rows);
    report.SetTitle(QStringLiteral("PLU Report"));
    report.PageSetup() = RptPageSetup::LetterLandscape();
    const double w = report.PageSetup().PrintableMm().width() * 96 / 25.4;
    report.AddBand(RptBandKind::Title, QStringLiteral("Title"), 30)
        .AddSystemData(QStringLiteral("Title"), QRectF(0, 0, w, 24), RptSystemData::Title)
        .SetAlign(RptAlign::Center);
    RptBand& header = report.AddBand(RptBandKind::ColumnHeader, QStringLiteral("Columns"), 20);
    const char* captions[] = {"PLU", "Descriptor", "Count", "Total"};
    const double lefts[] = {0, 80, w - 220, w - 120};
    const double widths[] = {70, 300, 90, 120};
    for (int c = 0; c < 4; ++c) {
      RptElement& caption = header.AddLabel(QStringLiteral("C%1").arg(c), QRectF(lefts[c], 0, widths[c], 16),
                                            QString::fromLatin1(captions[c]));
      if (c >= 2) caption.SetAlign(RptAlign::Right);
    }
    header.SetFrame(RptFrameBottom);
    RptBand& detail = report.AddBand(RptBandKind::Detail, QStringLiteral("Detail"), 16);
    for (int c = 0; c < 4; ++c) {
      RptElement& text = detail.AddDataText(QStringLiteral("D%1").arg(c), QRectF(lefts[c], 0, widths[c], 16),
                                            QString(), QString::fromLatin1(captions[c]));
      if (c >= 2) text.SetAlign(RptAlign::Right);
    }
  }
};

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Engine(benchmark::State& state) {
  Listing listing;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const std::optional<RptPageModel> model = listing.report.Generate();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    RptPdfWriter::Write(*model, pdf);
    engineSeconds = std::min(engineSeconds, Since(start));
    modelItems = 0;
    for (const RptPage& page : model->pages) modelItems += page.items.size();
    benchmark::DoNotOptimize(pdf.size());
  }
}

// The same strings at the same places, fonts and pages, drawn without the engine: the
// positions are worked out before the clock starts.
void Direct(benchmark::State& state) {
  Listing listing;
  const RptPageModel model = *listing.report.Generate();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const double k = 1200 / 25.4;
    for (int p = 0; p < model.PageCount(); ++p) {
      if (p > 0) writer.newPage();
      for (const RptItem& item : model.pages[p].items) {
        if (item.text.isEmpty()) continue;
        painter.setFont(RptQFont(item.font));
        const QRectF r(item.rectMm.left() * k, item.rectMm.top() * k, item.rectMm.width() * k, item.rectMm.height() * k);
        const int align = item.align == RptAlign::Right ? Qt::AlignRight
                          : item.align == RptAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft;
        painter.drawText(r, align | Qt::AlignTop, item.text);
      }
    }
    painter.end();
    directSeconds = std::min(directSeconds, Since(start));
    benchmark::DoNotOptimize(pdf.size());
  }
}
} // namespace

BENCHMARK(Direct)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Engine)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("PLU listing of %d rows to PDF (best of 3): direct %.3f s, engine %.3f s, ratio %.2f (target >= 0.30); "
              "page model %lld items; peak memory %ld MB\n",
              kRows, directSeconds, engineSeconds, directSeconds / engineSeconds, static_cast<long long>(modelItems),
              usage.ru_maxrss / 1024);
  return 0;
}
