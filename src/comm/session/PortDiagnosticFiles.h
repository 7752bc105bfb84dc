#pragma once
// The diagnostic files of a session's line, the dispatch log and the trace: one pair per
// port, in the "Log" folder of the data folder, so that sessions on other ports never write
// over each other's files. "Direct to COM12" has "SCOMM-COM12.LOG" and "SCOMM-COM12.TRC";
// a modem has its name, with every character other than a letter, a digit, "-" and "_"
// written as "_".
#include <QString>

class TSclCustomComPort;

struct PortDiagnosticFiles {
  QString log;
  QString trace;
};

// The files' full paths; the data folder's alias must be known (an engine error otherwise).
PortDiagnosticFiles DiagnosticFilesOf(const QString& portName);
// Gives the port those files, making their folder when it is missing.
void UseDiagnosticFiles(TSclCustomComPort& port, const QString& portName);
