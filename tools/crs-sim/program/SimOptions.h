#pragma once
// The crs-sim program's command line.
#include "crs-sim/CrsSim.h"

#include <QStringList>

struct SimOptions {
  QString device; // serve this device, or
  bool pty = false; // make a pseudo-terminal and serve its master
  CrsSimConfig config;
  QList<SimFault> faults;
  QList<int> status;
  bool help = false;
  QString helpText;

  // Throws SimError with a message for the user.
  static SimOptions Parse(const QStringList& arguments);
};
