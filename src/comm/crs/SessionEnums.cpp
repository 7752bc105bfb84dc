#include "comm/crs/SessionEnums.h"

#include <array>

namespace {
constexpr std::array<const char*, 11> kResultTexts{"Initial", "Failed",      "",        "Successful",
                                                   "Done",    "Cancelled",   "User Cancel", "User Cancel",
                                                   "Timeout", "Busy",        "TAPI CLOSED"};
constexpr std::array<const char*, 9> kCommTypeTexts{"Initializing",      "Get Single Prog",  "Get Selected Progs",
                                                    "Get All Progs",     "Send Single Prog", "Send Selected Progs",
                                                    "Send All Progs",    "Get Single Report", "Script"};

template <size_t N> QString TextOf(const std::array<const char*, N>& texts, int value) {
  const unsigned low = unsigned(value) & 0x7F;
  return low < N ? QString::fromLatin1(texts[low]) : QString();
}
} // namespace

QString MsgResultText(int message) { return TextOf(kResultTexts, message); }
QString CommTypeText(int commType) { return TextOf(kCommTypeTexts, commType); }
