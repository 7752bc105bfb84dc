#include "comm/session/SessionTiming.h"

#include "platform/sys/TimingProfile.h"

#include <iterator>

namespace {
struct Named {
  const char* name;
  int value;
};

constexpr Named kIntervals[] = {
    {"session.switchSettleMs", 1500},    {"session.noActivityMs", 60000},     {"session.noActivityCancelMs", 5000},
    {"session.noActivityPauseMs", 2000}, {"session.noActivityCloseMs", 30000},
    {"session.logonRetryPauseMs", 1000}, {"session.actionRetryPauseMs", 3000}, {"session.cancelPauseMs", 2000},
    {"session.endPauseMs", 1000},        {"session.deviceBusyWaitMs", 20000},
};

static_assert(std::size(kIntervals) == SessionTiming::IntervalCount);
} // namespace

int SessionTiming::Ms(Interval interval) { return TimingMs(kIntervals[interval].name, kIntervals[interval].value); }
const char* SessionTiming::Name(Interval interval) { return kIntervals[interval].name; }
int SessionTiming::DefaultMs(Interval interval) { return kIntervals[interval].value; }
