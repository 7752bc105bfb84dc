#pragma once
// A cell component that paints its data as text, on one line or word-wrapped, inside the
// cell less half the margin on every side.
#include "widgets/TWdgBaseTableCell.h"

class TWdgTCBaseString : public TWdgBaseTableCell {
  Q_OBJECT
public:
  explicit TWdgTCBaseString(QObject* owner = nullptr);

  bool UseWordWrap() const { return wordWrap_; }
  void SetUseWordWrap(bool wrap);

protected:
  void PaintCell(QPainter& painter, const QRect& rect, int row, int col,
                 const TWdgCellAttributes& attrs, const QString* data) const override;
  // The background, then the text unless the cell is invisible or the text is empty.
  void PaintText(QPainter& painter, const QRect& rect, const TWdgCellAttributes& attrs,
                 const QString& text) const;

private:
  bool wordWrap_ = false;
};
