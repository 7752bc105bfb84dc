#pragma once
// Draws the page model with a QPainter, for the PDF writer, the printer and the preview
// alike. The paper's top-left corner is at the painter's origin; millimetres become device
// pixels at the device's resolution times the zoom. Each text is aligned inside its item's
// rectangle and clipped at its left and right edges (never below its first line), so the
// device's text metrics move nothing: the engine placed every rectangle already.
#include "reports/engine/RptPageModel.h"

#include <QImage>
#include <QRectF>

class QPagedPaintDevice;
class QPainter;

namespace RptPagePainter {
// One page. exposed (device pixels) limits the drawing to the items that meet it; an empty
// rectangle draws them all.
void DrawPage(QPainter& painter, const RptPage& page, double zoom = 1.0, const QRectF& exposed = {});
// Every page of the model, starting a new page of the device between them. The painter is
// active on the device.
void DrawPages(QPainter& painter, QPagedPaintDevice& device, const RptPageModel& model);
// A page as an image on white paper, at dpi dots per inch.
QImage PageImage(const RptPageModel& model, int pageIndex, double dpi = 96);
// The paper of the model in device pixels of a device with the given resolution and zoom.
QSizeF PaperPixels(const RptPageSetup& setup, double dpiX, double dpiY, double zoom = 1.0);
} // namespace RptPagePainter
