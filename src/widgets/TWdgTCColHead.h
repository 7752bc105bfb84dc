#pragma once
// The cell component of the heading row: each column's heading (or its letters), optionally a
// marker over the active column. Read-only.
#include "widgets/TWdgTCBaseString.h"

#include <QStringList>

class TWdgTCColHead : public TWdgTCBaseString {
  Q_OBJECT
public:
  explicit TWdgTCColHead(QObject* owner = nullptr);

  const QStringList& Headings() const { return headings_; }
  void SetHeadings(const QStringList& headings);
  bool ShowLetters() const { return showLetters_; }
  void SetShowLetters(bool show);
  bool ShowActiveCol() const { return showActiveCol_; }
  void SetShowActiveCol(bool show);

  // Keeps the headings with their columns when the table's columns change.
  void ColumnsChanged(int col1, int col2, TWdgTblActions action);

  // What the heading of the column reads, given the application's data for it.
  QString HeadingText(int col, const QString* data) const;

protected:
  void PaintCell(QPainter& painter, const QRect& rect, int row, int col,
                 const TWdgCellAttributes& attrs, const QString* data) const override;

private:
  QStringList headings_;
  bool showLetters_ = true;
  bool showActiveCol_ = false;
};
