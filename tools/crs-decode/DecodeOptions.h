#pragma once
// The crs-decode program's command line: the register's ROM, the report class, the work
// file, and where the poll goes.
#include "platform/sys/Exception.h"

#include <QStringList>

// A command line that asks for nothing the program can do; the message says why.
TB_EXCEPTION(EDecodeUsage, Exception)

struct DecodeOptions {
  QString romClass;  // the driver class of the ROM
  QString report;    // a report class or report name of that driver
  QString workFile;
  QString dataDir;   // empty with a dry run
  bool dryRun = false;
  QString machineId = QStringLiteral("crs-decode");
  int storeNumber = 1;

  bool help = false;
  QString helpText;

  // Throws EDecodeUsage.
  static DecodeOptions Parse(const QStringList& arguments);
};

// The driver class of a ROM given as its version ("3.02") or class name; EDecodeUsage
// (naming the option) otherwise.
QString RomClassOf(const QString& option, const QString& value);
