#pragma once
// A cell component for heading columns: each row's number counted from the first scrollable
// row, optionally a marker on the active row. Read-only; it never shows application data.
#include "widgets/TWdgTCBaseString.h"

class TWdgTCRowHead : public TWdgTCBaseString {
  Q_OBJECT
public:
  explicit TWdgTCRowHead(QObject* owner = nullptr);

  bool ShowNumbers() const { return showNumbers_; }
  void SetShowNumbers(bool show);
  bool ShowActiveRow() const { return showActiveRow_; }
  void SetShowActiveRow(bool show);

  QString RowText(int row) const;

protected:
  void PaintCell(QPainter& painter, const QRect& rect, int row, int col,
                 const TWdgCellAttributes& attrs, const QString* data) const override;

private:
  bool showNumbers_ = true;
  bool showActiveRow_ = false;
};
