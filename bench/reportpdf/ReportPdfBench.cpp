// Writes a PLU report of 10,000 rows as a PDF two ways: through the PLU report form (the
// engine's generation into the page model, then the PDF writer), and by drawing the same
// strings at the same places with the same fonts straight onto a PDF writer. Prints the best
// time of each and the engine's share of the direct speed.
//
// Then the peak memory of a run at 1,000 and at 10,000 rows, each in a process of its own
// (this program again, with --memory-rows N), next to the page model's size: what grows
// with the row count should be the page model and no more. The PDFs go to temporary files,
// so that the PDF's own bytes are not counted.
#include "reports/TQrEcrRptCrs3000Plu.h"
#include "reports/engine/RptFontMap.h"
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptPdfWriter.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
constexpr int kRows = 10000;
double engineSeconds = 1e9;
double directSeconds = 1e9;

// The PLU form over rows in memory, with a poll header of its own.
struct PluReport {
  RptMemoryRows header{{"Machine Id", "Store Number", "Machine Number", "Poll Date", "Ecr Date", "Z Counter",
                        "Data Type", "Poll Type", "Polled Area", "Misc Info 1", "Misc Info 2", "Misc Info 3",
                        "Misc Data 1"}};
  RptMemoryRows rows{{"PluCode", "Memory Number", "Name", "Count", "Total", "Promotion", "Waste", "Weight"}};
  TQrEcrRptCrs3000Plu form;

  explicit PluReport(int count) {
    const QDateTime polled(QDate(2026, 3, 4), QTime(9, 15));
    header.Append({RptValue::Text(QStringLiteral("STORE 1")), RptValue::Integer(12), RptValue::Integer(3),
                   RptValue::DateTime(polled), RptValue::Date(polled.date()), RptValue::Integer(41),
                   RptValue::Text(QStringLiteral("Z1")), RptValue::Text(QStringLiteral("Z")),
                   RptValue::Text(QStringLiteral("AREA 1")), RptValue::Integer(5678), RptValue::Integer(1),
                   RptValue::Integer(7), RptValue::Text(QString(24, QChar(1)))});
    for (int i = 1; i <= count; ++i)
      rows.Append({RptValue::Integer(100000 + i), RptValue::Integer(i), RptValue::Text(QStringLiteral("ITEM %1").arg(i % 977)),
                   RptValue::Integer(i % 31), RptValue::Money((i % 5000) * 0.25), RptValue::Integer(i % 3),
                   RptValue::Integer(i % 7), RptValue::Integer(i % 1000)});
    form.Bind(QString::fromLatin1(TQrEcrRpt::kPollSource), &header);
    form.SetMaster(&rows);
  }
};

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Generation and PDF of the PLU report; the page model's items.
qint64 EngineRun(PluReport& plu, QIODevice& pdf) {
  const std::optional<RptPageModel> model = plu.form.Generate();
  RptPdfWriter::Write(*model, pdf);
  qint64 items = 0;
  for (const RptPage& page : model->pages) items += page.items.size();
  return items;
}

// The model's bytes, roughly: its items and their texts.
qint64 ModelBytes(const RptPageModel& model) {
  qint64 bytes = 0;
  for (const RptPage& page : model.pages)
    for (const RptItem& item : page.items)
      bytes += qint64(sizeof(RptItem)) + (item.text.size() + item.font.family.size() + item.element.size()) * 2;
  return bytes;
}

void Engine(benchmark::State& state) {
  PluReport plu(kRows);
  for (auto _ : state) {
    QTemporaryFile pdf;
    pdf.open();
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(EngineRun(plu, pdf));
    engineSeconds = std::min(engineSeconds, Since(start));
  }
}

// The same strings at the same places, fonts and pages, drawn without the engine: the
// positions are worked out before the clock starts.
void Direct(benchmark::State& state) {
  PluReport plu(kRows);
  const RptPageModel model = *plu.form.Generate();
  for (auto _ : state) {
    QTemporaryFile pdf;
    pdf.open();
    const auto start = std::chrono::steady_clock::now();
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
  }
}

// A line of /proc/self/status in kB ("VmRSS", "VmHWM").
long StatusKb(const char* key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(key)) return line.mid(int(std::strlen(key)) + 1).trimmed().split(' ').value(0).toLong();
  return 0;
}
long PeakKb() { return StatusKb("VmHWM"); }

// One run of the given size in this process: prints "rows kB-before peak-kB model-bytes",
// the peak counted from the moment the rows are in memory (the high-water mark is reset).
int MeasureMemory(int rows) {
  PluReport plu(rows);
  QFile clear(QStringLiteral("/proc/self/clear_refs"));
  if (clear.open(QIODevice::WriteOnly)) clear.write("5");
  clear.close();
  const long before = StatusKb("VmRSS");
  QTemporaryFile pdf;
  pdf.open();
  const std::optional<RptPageModel> model = plu.form.Generate();
  RptPdfWriter::Write(*model, pdf);
  std::printf("%d %ld %ld %lld\n", rows, before, PeakKb(), static_cast<long long>(ModelBytes(*model)));
  return 0;
}

struct Memory {
  long beforeKb = 0, peakKb = 0;
  long long modelBytes = 0;
};
Memory MeasureInChild(const char* self, int rows) {
  QProcess child;
  child.start(QString::fromLocal8Bit(self), {QStringLiteral("--memory-rows"), QString::number(rows)});
  child.waitForFinished(600000);
  Memory memory;
  int got = 0;
  std::sscanf(child.readAllStandardOutput().constData(), "%d %ld %ld %lld", &got, &memory.beforeKb, &memory.peakKb,
              &memory.modelBytes);
  return memory;
}
} // namespace

BENCHMARK(Direct)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Engine)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--memory-rows") == 0) return MeasureMemory(std::atoi(argv[2]));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("PLU report of %d rows to PDF (best of 3): direct %.3f s, engine %.3f s, ratio %.2f (target >= 0.30)\n",
              kRows, directSeconds, engineSeconds, directSeconds / engineSeconds);
  const Memory small = MeasureInChild(argv[0], 1000);
  const Memory large = MeasureInChild(argv[0], 10000);
  std::printf("Peak memory: 1,000 rows %.1f MB (%.1f MB before the run, page model about %.1f MB); "
              "10,000 rows %.1f MB (%.1f MB before the run, page model about %.1f MB)\n",
              small.peakKb / 1024.0, small.beforeKb / 1024.0, small.modelBytes / 1048576.0, large.peakKb / 1024.0,
              large.beforeKb / 1024.0, large.modelBytes / 1048576.0);
  std::printf("What a run adds grows from %.1f MB to %.1f MB, by %.1f MB; the page model by about %.1f MB\n",
              (small.peakKb - small.beforeKb) / 1024.0, (large.peakKb - large.beforeKb) / 1024.0,
              ((large.peakKb - large.beforeKb) - (small.peakKb - small.beforeKb)) / 1024.0,
              (large.modelBytes - small.modelBytes) / 1048576.0);
  return 0;
}
