#pragma once
// The crs-poll program's command line: one action, the line to run it on, the register
// at the other end and where its files go.
#include "comm/link/SclComPortTypes.h"
#include "platform/sys/Exception.h"

#include <QStringList>
#include <optional>

// A command line that asks for nothing the program can do; the message says why.
TB_EXCEPTION(EPollUsage, Exception)

struct PollOptions {
  enum class Action { Logon, Receive, Send, Report };

  Action action = Action::Logon;
  int code = 0;          // the program or report code
  QString blockFile;     // what a send takes its blocks from

  // The report parameters, by number: 1 area, 2 print, 3 and 4 the registers, 5 reset
  // mode, 6 the sub-reports.
  int params[7] = {0, 0, 0, 1, 24, 0, 0};

  QString device;        // a device path, or
  int comNumber = 0;     // a port by its system name
  int baud = 9600;
  // Settings that replace the ones the protocol module gives the line; unset: the module's.
  std::optional<int> dataBits;
  std::optional<TParity> parity;
  std::optional<int> stopBits;
  std::optional<bool> rtsFlow;

  int storeNumber = 1;
  QString romClass = QStringLiteral("tEcrCrs3000V0302");
  QString workDir;       // empty: the current folder
  QString dataDir;       // a report read saves its poll here; empty: the blocks only
  double timingScale = 1.0;

  bool help = false;
  QString helpText;

  // Throws EPollUsage.
  static PollOptions Parse(const QStringList& arguments);
  // The action in words, for messages ("read report 33").
  QString ActionText() const;
};
