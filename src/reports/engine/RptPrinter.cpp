#include "reports/engine/RptPrinter.h"

#include "reports/engine/RptOutputErrors.h"
#include "reports/engine/RptPageLayout.h"
#include "reports/engine/RptPagePainter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
QPrinterInfo Find(const QString& name) {
  if (name.isEmpty()) {
    const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
    if (!fallback.isNull()) return fallback;
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    if (all.isEmpty()) throw ERptNoPrinter(QStringLiteral("No printer is installed."));
    return all.first();
  }
  const QPrinterInfo info = QPrinterInfo::printerInfo(name);
  if (info.isNull()) throw ERptNoPrinter(QStringLiteral("Printer not found: %1").arg(name));
  return info;
}
} // namespace

void RptPrinter::Print(const RptPageModel& model, QPrinter& printer) {
  printer.setFullPage(true);
  printer.setPageLayout(RptPageLayoutOf(model.setup));
  if (!model.title.isEmpty()) printer.setDocName(model.title);
  QPainter painter;
  if (!painter.begin(&printer))
    throw ERptPrint(QStringLiteral("The printer %1 did not accept the report.").arg(printer.printerName()));
  RptPagePainter::DrawPages(painter, printer, model);
  if (!painter.end())
    throw ERptPrint(QStringLiteral("The printer %1 did not accept the report.").arg(printer.printerName()));
}

void RptPrinter::Print(const RptPageModel& model, const QString& printerName, int copies) {
  const QPrinterInfo info = Find(printerName);
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setCopyCount(copies);
  Print(model, printer);
}

QStringList RptPrinter::PrinterNames() {
  QStringList names = QPrinterInfo::availablePrinterNames();
  const QString standard = QPrinterInfo::defaultPrinterName();
  if (names.removeAll(standard) > 0) names.prepend(standard);
  return names;
}
