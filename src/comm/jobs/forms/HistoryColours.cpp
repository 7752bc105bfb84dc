#include "comm/jobs/forms/HistoryColours.h"

#include "comm/jobs/HisStatus.h"

namespace {
struct StatusColour {
  qint32 status;
  const char* caption;
  QColor colour;
};

const QList<StatusColour>& Table() {
  static const QList<StatusColour> table = {
      {HisStatus::Active, "Active", QColor(128, 0, 0)},
      {HisStatus::Pending, "Pending", QColor(0, 0, 128)},
      {HisStatus::Retry, "To Be Retried", QColor(0, 128, 128)},
      {HisStatus::UserCancel, "User Cancelled", QColor(128, 128, 0)},
      {HisStatus::Failed, "Failed", QColor(128, 128, 128)},
      {HisStatus::SuccessWithRetry, "Retry Success", QColor(128, 0, 128)},
  };
  return table;
}
} // namespace

QColor HistoryRowColour(qint32 status) {
  for (const StatusColour& entry : Table())
    if (entry.status == status) return entry.colour;
  return QColor(255, 255, 255);
}

QList<HistoryLegendEntry> HistoryLegend() {
  QList<HistoryLegendEntry> legend;
  for (const StatusColour& entry : Table()) legend.append({QString::fromLatin1(entry.caption), entry.colour});
  legend.append({QStringLiteral("Successful"), QColor(255, 255, 255)});
  return legend;
}
