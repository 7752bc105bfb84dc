#include "reports/engine/forms/RptPageView.h"

#include "reports/engine/RptPagePainter.h"

#include <QPaintEvent>
#include <QPainter>

RptPageView::RptPageView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PageView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void RptPageView::SetPage(const RptPage* page, const RptPageSetup& setup) {
  page_ = page;
  setup_ = setup;
  resize(sizeHint());
  update();
}

void RptPageView::SetZoom(double zoom) {
  zoom_ = zoom;
  resize(sizeHint());
  update();
}

QSize RptPageView::sizeHint() const {
  return RptPagePainter::PaperPixels(setup_, logicalDpiX(), logicalDpiY(), zoom_).toSize();
}

void RptPageView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::white);
  if (!page_) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  RptPagePainter::DrawPage(painter, *page_, zoom_, QRectF(event->rect()));
}
