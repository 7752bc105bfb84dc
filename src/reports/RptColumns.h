#pragma once
// A form's columns kept as data: each column's caption, place across the band and alignment;
// the row of captions is made from the same table as the values below it.
#include "reports/engine/RptBand.h"

#include <QRectF>
#include <span>

struct RptColumn {
  const char* caption;
  double left, width;
  RptAlign align;
  // The column's place on a band, one line of text high.
  QRectF At(double top = 0, double height = 16) const { return {left, top, width, height}; }
};

// The captions as bold labels "Caption0", "Caption1", … at `top` of the band.
void AddColumnCaptions(RptBand& band, std::span<const RptColumn> columns, double top);
