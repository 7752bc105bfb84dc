#include "SessionTimeline.h"

#include "comm/crs/TProgressLines.h"
#include "comm/crs/TdmCommBase.h"
#include "comm/session/ISessionWindow.h"
#include "comm/session/TPollSession.h"
#include "comm/session/TfmComCtrl.h"

#include <algorithm>
#include <cstdio>

namespace {
const char* const kNames[] = {"started", "logged on", "command", "first block", "last block",
                              "save start", "save end", "read end", "released"};
static_assert(std::size(kNames) == SessionTimeline::Count);
} // namespace

bool SessionTimeline::Wanted() { return !qEnvironmentVariableIsEmpty("TB_BENCH_TIMELINE"); }

SessionTimeline::SessionTimeline() {
  clock_.start();
  sessions_.resize(129);
  connect(&ticker_, &QTimer::timeout, this, &SessionTimeline::Tick);
  ticker_.start(1);
}

void SessionTimeline::Tick() {
  const qint64 now = clock_.elapsed();
  if (lastTick_ && now - lastTick_ > 20) stalls_.push_back(now - lastTick_);
  lastTick_ = now;
}

void SessionTimeline::Mark(int slot, Moment moment, bool first) {
  qint64& at = sessions_[size_t(slot)].at[moment];
  if (!first || at < 0) at = clock_.elapsed();
}

void SessionTimeline::Follow(TfmComCtrl& ctrl, int slot) {
  Mark(slot, Started);
  TPollSession* session = ctrl.Session(slot);
  if (!session) return;
  connect(session, &QObject::destroyed, this, [this, slot] { Mark(slot, Released); });
  TdmCommBase* module = session->Window() ? session->Window()->Module() : nullptr;
  if (!module) return;
  connect(module, &TdmCommBase::TransferEnded, this, [this, slot] {
    Mark(slot, sessions_[size_t(slot)].transfers++ == 0 ? LoggedOn : ReadEnd);
  });
  if (!module->Progress) return;
  connect(module->Progress, &TProgressLines::LineAdded, this, [this, slot](const QString& line) {
    if (line.contains(QLatin1String("Reading Report"))) Mark(slot, Command);
    else if (line.contains(QLatin1String("Saving Report"))) Mark(slot, SaveStart);
    else if (line.contains(QLatin1String("Save Completed"))) Mark(slot, SaveEnd);
  });
  connect(module->Progress, &TProgressLines::LastLineChanged, this, [this, slot](const QString& line) {
    if (sessions_[size_t(slot)].at[Command] < 0 || sessions_[size_t(slot)].at[SaveStart] >= 0) return;
    if (line.contains(QLatin1Char('['))) {
      Mark(slot, FirstBlock);
      Mark(slot, LastBlock, false);
    }
  });
}

void SessionTimeline::Print(int sessions) const {
  std::fprintf(stderr, "timeline of %d sessions (ms from the first start; min / median / max over sessions)\n",
               sessions);
  auto stats = [&](auto value) {
    std::vector<qint64> v;
    for (int slot = 1; slot <= sessions; ++slot)
      if (qint64 x = value(sessions_[size_t(slot)]); x >= 0) v.push_back(x);
    std::sort(v.begin(), v.end());
    if (v.empty()) return std::fprintf(stderr, "%10s\n", "-");
    return std::fprintf(stderr, "%8lld %8lld %8lld  (%zu)\n", (long long)v.front(), (long long)v[v.size() / 2],
                        (long long)v.back(), v.size());
  };
  for (int m = 0; m < Count; ++m) {
    std::fprintf(stderr, "  at %-12s", kNames[m]);
    stats([m](const Session& s) { return s.at[size_t(m)]; });
  }
  for (int m = 1; m < Count; ++m) {
    std::fprintf(stderr, "  %-12s-> %-12s", kNames[m - 1], kNames[m]);
    stats([m](const Session& s) {
      return s.at[size_t(m)] >= 0 && s.at[size_t(m - 1)] >= 0 ? s.at[size_t(m)] - s.at[size_t(m - 1)] : -1;
    });
  }
  std::vector<qint64> stalls = stalls_;
  std::sort(stalls.begin(), stalls.end());
  qint64 total = 0;
  for (qint64 s : stalls) total += s;
  std::fprintf(stderr, "  event loop held > 20 ms: %zu times, %lld ms in all, longest %lld ms\n", stalls.size(),
               (long long)total, (long long)(stalls.empty() ? 0 : stalls.back()));
  if (sessions <= 16)
    for (int slot = 1; slot <= sessions; ++slot) {
      std::fprintf(stderr, "  %3d:", slot);
      for (qint64 at : sessions_[size_t(slot)].at) std::fprintf(stderr, " %6lld", (long long)at);
      std::fprintf(stderr, "\n");
    }
}
