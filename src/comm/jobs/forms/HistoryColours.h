#pragma once
// The colour of a job's row in a queue window, by its status, and the legend beside the
// grid (caption and colour, in order).
#include <QColor>
#include <QList>
#include <QString>

QColor HistoryRowColour(qint32 status);

struct HistoryLegendEntry {
  QString caption;
  QColor colour;
};
QList<HistoryLegendEntry> HistoryLegend();
