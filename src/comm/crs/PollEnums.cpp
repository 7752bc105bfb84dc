#include "comm/crs/PollEnums.h"

#include <array>

namespace {
constexpr std::array<const char*, 15> kStateNames{
    "PollInit",      "PollSntSelct", "PollSntIdEnq", "PollSendCmnd", "PollSntCmnd",
    "PollNextBlk",   "PollSndFrstBlk", "PollSndNxtBlk", "PollGetStatus", "PollClearing",
    "PollCnsldt",    "PollGood",     "PollDone",     "PollCanceled", "PollFailed"};
constexpr std::array<const char*, 15> kMsgNames{
    "InitMsg", "GotBlock", "GotStat", "GotErr", "GotEnq", "GotEot", "BadCrc", "CommErr",
    "GotAck",  "GotAck0",  "GotAck1", "GotNak", "TimeOut", "SentNak", "DoneMsg"};

template <size_t N> QString NameOf(const std::array<const char*, N>& names, unsigned value) {
  return value < N ? QString::fromLatin1(names[value]) : QString::number(value);
}
} // namespace

QString PollStateName(PollState state) { return NameOf(kStateNames, state); }
QString PollMsgName(PollMsg msg) { return NameOf(kMsgNames, msg); }
