#pragma once
// The three register lines of a CRS 3000 poll header, from the poll's 24 status bytes (one
// a register, 1 to 24): register n stands right-aligned in characters 3n-2 to 3n of a line
// when its bit is set (bit 0 "In Range", bit 1 "Pre-Polled", bit 2 "Prev Z"), three blanks
// when not. Every byte counts, zero bytes too: a poll whose range starts past register 1
// has zeros in front of its status bits.
#include <QByteArray>
#include <QString>

struct RptRegisterLines {
  QString inRange;
  QString prePolled;
  QString prevZ;
};

inline constexpr int kRptStatusBytes = 24;

// Bytes past the end of status count as 0; bytes past the 24th are not read.
RptRegisterLines RegisterLinesOf(const QByteArray& status);
// The status bytes of the text stored in "Misc Data 1" (one Windows-1252 character a byte).
QByteArray StatusBytesOf(const QString& stored);
