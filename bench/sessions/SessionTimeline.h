#pragma once
// When TB_BENCH_TIMELINE is set: the moments of each session of a run, taken from what the
// program shows anyway (its progress lines, the module's end reports, the session going),
// and a summary of them, so that a run shows where sessions wait for each other. Also the
// longest moments the GUI thread did not come back to its event loop.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <vector>

class TfmComCtrl;

class SessionTimeline : public QObject {
public:
  enum Moment { Started, LoggedOn, Command, FirstBlock, LastBlock, SaveStart, SaveEnd, ReadEnd, Released, Count };

  static bool Wanted();
  SessionTimeline();
  // The session of the slot has just been started; follows it from now on.
  void Follow(TfmComCtrl& ctrl, int slot);
  // Prints the summary to stderr.
  void Print(int sessions) const;

private:
  struct Session {
    std::array<qint64, Count> at;
    int transfers = 0;
    Session() { at.fill(-1); }
  };
  void Mark(int slot, Moment moment, bool first = true);
  void Tick();

  QElapsedTimer clock_;
  std::vector<Session> sessions_;
  QTimer ticker_;
  qint64 lastTick_ = 0;
  std::vector<qint64> stalls_; // the gaps between ticks longer than 20 ms
};
