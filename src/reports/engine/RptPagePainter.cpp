#include "reports/engine/RptPagePainter.h"

#include "reports/engine/RptFontMap.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {
struct Scale {
  double x;  // device pixels per millimetre
  double y;
  QRectF Rect(const QRectF& mm) const {
    return QRectF(mm.left() * x, mm.top() * y, mm.width() * x, mm.height() * y);
  }
};

Scale ScaleOf(const QPainter& painter, double zoom) {
  const QPaintDevice* device = painter.device();
  return {device->logicalDpiX() * zoom / kRptMmPerInch, device->logicalDpiY() * zoom / kRptMmPerInch};
}

Qt::Alignment AlignmentOf(RptAlign align) {
  switch (align) {
  case RptAlign::Left:
    return Qt::AlignLeft;
  case RptAlign::Center:
    return Qt::AlignHCenter;
  case RptAlign::Right:
    return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

void DrawText(QPainter& painter, const RptItem& item, const QRectF& rect, double zoom) {
  const QFont font = RptQFont(item.font, zoom);
  painter.setFont(font);
  // Clipped at the sides only: a rectangle a little lower than the font keeps its descenders.
  const double lineHeight = QFontMetricsF(font, painter.device()).height();
  const QRectF clip(rect.left(), rect.top(), rect.width(), std::max(rect.height(), lineHeight));
  painter.save();
  painter.setClipRect(clip, Qt::IntersectClip);
  painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), clip.height()),
                   int(AlignmentOf(item.align) | Qt::AlignTop | Qt::TextSingleLine), item.text);
  painter.restore();
}

void DrawFrame(QPainter& painter, const RptItem& item, const QRectF& rect, const Scale& scale) {
  // Thinner than a device pixel would vanish on a screen: 0 is the device's thinnest line.
  const double width = item.frameWidthMm * scale.y;
  QPen pen(Qt::black, width < 1.0 ? 0.0 : width);
  pen.setCapStyle(Qt::SquareCap);
  painter.setPen(pen);
  if (item.frame & RptFrameTop) painter.drawLine(rect.topLeft(), rect.topRight());
  if (item.frame & RptFrameBottom) painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  if (item.frame & RptFrameLeft) painter.drawLine(rect.topLeft(), rect.bottomLeft());
  if (item.frame & RptFrameRight) painter.drawLine(rect.topRight(), rect.bottomRight());
  painter.setPen(Qt::black);
}
} // namespace

void RptPagePainter::DrawPage(QPainter& painter, const RptPage& page, double zoom, const QRectF& exposed) {
  const Scale scale = ScaleOf(painter, zoom);
  painter.save();
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  for (const RptItem& item : page.items) {
    const QRectF rect = scale.Rect(item.rectMm);
    // A text may reach below its rectangle by a line; frames by their pen.
    const QRectF reach = rect.adjusted(-2, -2, 2, 2 + item.font.pointSize * zoom * 2);
    if (!exposed.isEmpty() && !exposed.intersects(reach)) continue;
    if (!item.text.isEmpty()) DrawText(painter, item, rect, zoom);
    if (item.frame != RptFrameNone) DrawFrame(painter, item, rect, scale);
  }
  painter.restore();
}

void RptPagePainter::DrawPages(QPainter& painter, QPagedPaintDevice& device, const RptPageModel& model) {
  for (int i = 0; i < model.PageCount(); ++i) {
    if (i > 0) device.newPage();
    DrawPage(painter, model.pages.at(i));
  }
}

QSizeF RptPagePainter::PaperPixels(const RptPageSetup& setup, double dpiX, double dpiY, double zoom) {
  return QSizeF(setup.sizeMm.width() * dpiX * zoom / kRptMmPerInch,
                setup.sizeMm.height() * dpiY * zoom / kRptMmPerInch);
}

QImage RptPagePainter::PageImage(const RptPageModel& model, int pageIndex, double dpi) {
  const QSize size = PaperPixels(model.setup, dpi, dpi).toSize();
  QImage image(size, QImage::Format_RGB32);
  const int dotsPerMeter = int(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  DrawPage(painter, model.pages.at(pageIndex));
  return image;
}
