#include "reports/engine/RptPdfWriter.h"

#include "reports/engine/RptOutputErrors.h"
#include "reports/engine/RptPageLayout.h"
#include "reports/engine/RptPagePainter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
constexpr int kResolution = 1200;  // dots per inch of the PDF's drawing grid
}

void RptPdfWriter::Write(const RptPageModel& model, QIODevice& device) {
  QPdfWriter writer(&device);
  writer.setResolution(kResolution);
  writer.setTitle(model.title);
  writer.setCreator(QStringLiteral("tillbridge"));
  writer.setPageLayout(RptPageLayoutOf(model.setup));
  QPainter painter;
  if (!painter.begin(&writer)) throw ERptOutput(QStringLiteral("Cannot write the PDF."));
  painter.setRenderHint(QPainter::Antialiasing);
  RptPagePainter::DrawPages(painter, writer, model);
  painter.end();
}

void RptPdfWriter::Write(const RptPageModel& model, const QString& fileName) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly))
    throw ERptOutput(QStringLiteral("Cannot create %1: %2").arg(fileName, file.errorString()));
  Write(model, file);
  if (!file.commit())
    throw ERptOutput(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
}
