#pragma once
// History.txt in the data folder, written by "Communications Setup" (the system does not
// read it): the three retry texts as the window shows them, then "100", "0" and "2", each
// line ended by CR LF.
#include <QString>

// Replaces <folder>/History.txt. Raises EInOutError when it cannot be written.
void WriteHistoryTxt(const QString& folder, const QString& initRetry, const QString& defRetry,
                     const QString& waitTime);

// The data folder's History.txt from the texts, then the values to the job queue; on a
// write error (EInOutError) the queue keeps its values.
void ApplyCommSetup(const QString& initRetry, const QString& defRetry, const QString& waitTime,
                    qint32 initValue, qint32 defValue, qint32 waitValue);
