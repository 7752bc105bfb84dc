#include "comm/crs/CrsTiming.h"

#include "platform/sys/TimingProfile.h"

#include <iterator>

namespace {
struct Named {
  const char* name;
  int value;
};

constexpr Named kIntervals[] = {
    {"crs.prgReceiveCmdMs", 4000}, {"crs.prgReceiveBlockMs", 15000}, {"crs.prgSendCmdMs", 30000},
    {"crs.prgSendBlockMs", 10000}, {"crs.readRptMs", 10000},          {"crs.cnsldtMs", 1000},
    {"crs.clearFlagMs", 10000},    {"crs.statusMs", 10000},           {"crs.statusWaitMs", 500},
    {"crs.prgAckWaitMs", 50},      {"crs.rptAckWaitMs", 200},         {"crs.eotWaitMs", 100},
    {"crs.beforeStatusMs", 200},   {"crs.statusCmdWaitMs", 50},       {"crs.beforeCmdMs", 200},
    {"crs.nakWaitMs", 1980},       {"crs.badCrcWaitMs", 1980},        {"crs.handlerJitterMs", 9},
};

constexpr Named kCounts[] = {
    {"crs.cmdRetries", 4},         {"crs.blkRetries", 4},            {"crs.statusWaits", 64},
    {"crs.statusSettle", 6},       {"crs.cmdNaks", 10},              {"crs.blockPacketTicks", 3000},
    {"crs.controlPacketTicks", 100},
};

static_assert(std::size(kIntervals) == CrsTiming::IntervalCount);
static_assert(std::size(kCounts) == CrsTiming::ControlPacketTicks + 1);
} // namespace

int CrsTiming::Ms(Interval interval) { return TimingMs(kIntervals[interval].name, kIntervals[interval].value); }
int CrsTiming::Times(Count count) { return TimingCount(kCounts[count].name, kCounts[count].value); }
const char* CrsTiming::Name(Interval interval) { return kIntervals[interval].name; }
int CrsTiming::DefaultMs(Interval interval) { return kIntervals[interval].value; }
