#pragma once
// Writes a page model as a PDF: one PDF page per model page, at the model's exact paper size
// (in whole points, as PDF viewers measure it), the report's title in the document's
// information. Needs no window, so unattended runs write PDFs too.
#include "reports/engine/RptPageModel.h"

#include <QString>

class QIODevice;

namespace RptPdfWriter {
// Writes the file whole or not at all: a file there before stays as it was when writing
// fails. Raises ERptOutput when the file cannot be written.
void Write(const RptPageModel& model, const QString& fileName);
// Writes to an open device; raises ERptOutput when the PDF cannot be started.
void Write(const RptPageModel& model, QIODevice& device);
} // namespace RptPdfWriter
