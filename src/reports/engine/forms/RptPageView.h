#pragma once
// One page of a page model on white paper at a zoom, drawn by the report painter; it paints
// only the part of the page in view, so long roll pages scroll smoothly.
#include "reports/engine/RptPageModel.h"

#include <QWidget>

class RptPageView : public QWidget {
  Q_OBJECT
public:
  explicit RptPageView(QWidget* parent = nullptr);

  void SetPage(const RptPage* page, const RptPageSetup& setup);
  void SetZoom(double zoom);
  double Zoom() const { return zoom_; }
  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const RptPage* page_ = nullptr;
  RptPageSetup setup_;
  double zoom_ = 1.0;
};
