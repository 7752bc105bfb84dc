#pragma once
// The register's answer to a status check: the high four bits of its first record byte,
// with the text the trace shows and the letters the progress line shows.
#include <QString>

namespace CrsStatus {
inline constexpr int PreviousCnsStatus = 0x0;
inline constexpr int PrePollProcessing = 0x1;
inline constexpr int PrePollDone = 0x2;
inline constexpr int PrePollError = 0x3;
inline constexpr int ClearProcessing = 0x5;
inline constexpr int ClearDone = 0x6;
inline constexpr int ClearError = 0x7;

inline int Nibble(quint8 statusByte) { return statusByte >> 4; }
// "PRE_POLL_DONE", or "Wait_Status(8A)" for a status that only asks to wait.
QString TraceText(quint8 statusByte);
// "ps", or "W" / "W(8A)" for a status that only asks to wait.
QString ProgressText(quint8 statusByte);
} // namespace CrsStatus
