#pragma once
// What the register does about one event on its line: what the event meant, the frames
// it sends (in order), and its one timer.
#include <QByteArray>
#include <QList>
#include <QString>

struct SimOutput {
  QByteArray wire;
  QString note;
};

struct SimReaction {
  QString note;
  QList<SimOutput> out;
  int armTimerMs = -1; // >= 0: start the timer, replacing a running one
  bool cancelTimer = false;
};
