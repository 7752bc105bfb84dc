#pragma once
// Prints a page model on a printer with no dialog: the automatic path after a scheduled poll,
// and the preview's Print. It never reports success without a printer to print on.
#include "reports/engine/RptPageModel.h"

#include <QString>
#include <QStringList>

class QPrinter;

namespace RptPrinter {
// On the printer of that name, or the system's default printer when the name is empty.
// Raises ERptNoPrinter when there is no such printer (or none at all), ERptPrint when the
// printer refuses the job.
void Print(const RptPageModel& model, const QString& printerName = QString(), int copies = 1);
// On a printer already chosen (by a print dialog, or a file printer in tests). The model's
// paper and margins replace the printer's. Raises ERptPrint when it refuses the job.
void Print(const RptPageModel& model, QPrinter& printer);
// The names of the printers installed, the default first; empty without any.
QStringList PrinterNames();
} // namespace RptPrinter
