#include "comm/crs/CrsStatus.h"

namespace {
struct Named {
  int nibble;
  const char* trace;
  const char* progress;
};
constexpr Named kNamed[] = {
    {CrsStatus::PreviousCnsStatus, "Previous_Cns_Status", "pp"},
    {CrsStatus::PrePollProcessing, "PRE_POLL_PROCESSING", "pb"},
    {CrsStatus::PrePollDone, "PRE_POLL_DONE", "ps"},
    {CrsStatus::PrePollError, "PRE_POLL_ERROR", "pe"},
    {CrsStatus::ClearProcessing, "CLEAR_PROCESSING", "cb"},
    {CrsStatus::ClearDone, "CLEAR_DONE", "cs"},
    {CrsStatus::ClearError, "CLEAR_ERROR", "ce"},
};

const Named* Find(quint8 statusByte) {
  for (const Named& named : kNamed)
    if (named.nibble == CrsStatus::Nibble(statusByte)) return &named;
  return nullptr;
}

QString Hex(quint8 statusByte) { return QStringLiteral("%1").arg(statusByte, 2, 16, QLatin1Char('0')).toUpper(); }
} // namespace

QString CrsStatus::TraceText(quint8 statusByte) {
  if (const Named* named = Find(statusByte)) return QString::fromLatin1(named->trace);
  return QStringLiteral("Wait_Status(") + Hex(statusByte) + QLatin1Char(')');
}

QString CrsStatus::ProgressText(quint8 statusByte) {
  if (const Named* named = Find(statusByte)) return QString::fromLatin1(named->progress);
  if (Nibble(statusByte) == 0x8) return QStringLiteral("W");
  return QStringLiteral("W(") + Hex(statusByte) + QLatin1Char(')');
}
