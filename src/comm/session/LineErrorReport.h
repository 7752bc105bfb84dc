#pragma once
// What the communication window makes of a line error of its com port: the text on the
// progress (a new line, or "<B>" appended to the last one for a break) and the mark in the
// port's dispatch log. Every line error is also an event for the protocol module.
#include <QString>

struct LineErrorReport {
  QString appendToLast; // for a break: added to the last progress line
  QString line;         // otherwise: a new progress line
  QString logMark;
};

// The text of a line error code: 1 "Buffer overrun" ... 8 "Xmit Queue full", any other
// "Undefined".
QString LineErrorText(int code);
// A break goes before the code; code 0 is " <UNDEFINED COMM ERROR> ", others
// " <Comm. Error <code> <text>> ".
LineErrorReport ReportLineError(int code, bool lineBreak);
