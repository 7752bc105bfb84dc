#pragma once
// Where the serial library writes its diagnostic files (the trace and the dispatch log), and
// how: a relative name lies in the working folder unless a folder is set for it.
#include <QByteArray>
#include <QString>

// The folder relative names resolve against; empty restores the working folder.
void SetSclFileFolder(const QString& folder);
QString SclFilePath(const QString& name);
// Writes bytes to the file of that name, appending when asked and the file exists, else
// replacing it. 0, or minus the system's I/O error number.
int WriteSclFile(const QString& name, bool append, const QByteArray& bytes);
// One byte as the trace and the log show it: itself from 0x20 (0x21 in hex mode) to 0x7E,
// otherwise "[hh]" in hex mode or "[ddd]" in decimal.
const QByteArray& SclByteText(unsigned char byte, bool hex);
