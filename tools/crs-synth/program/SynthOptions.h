#pragma once
// The crs-synth program's command line.
#include "crs-synth/SynthRequest.h"

#include <QStringList>

struct SynthOptions {
  SynthRequest request;
  QString workFile; // empty: none written
  QString fixtureDir;
  QString expectFile; // empty: the expectations go to standard output
  QString readFile; // a work file to read back in place of synthesising one
  bool help = false;
  QString helpText;

  // Throws SynthUsageError with a message for the user.
  static SynthOptions Parse(const QStringList& arguments);
};
