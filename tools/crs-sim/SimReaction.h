#pragma once
// What the register does about one event on its line: what the event meant, the frames
// it sends (in order), and its one timer.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct SimOutput {
  QByteArray wire;
  QString note;
  // A data frame the register made itself: its body and whether its CRC is right, so the
  // transcript need not take the frame apart again. Unset: they come from the bytes.
  std::optional<QByteArray> body;
  bool crcOk = true;
};

struct SimReaction {
  QString note;
  QList<SimOutput> out;
  int armTimerMs = -1; // >= 0: start the timer, replacing a running one
  bool cancelTimer = false;
};
