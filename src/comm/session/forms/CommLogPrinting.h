#pragma once
// Printing for the communication log: a row's progress lines as plain text lines. (The
// "Log Table" listing is a band report, TCommLogListingReport.)
#include <QFont>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;

namespace CommLogPrinting {
// Each line as a text line in the font, as many to a page as fit. False when the device
// cannot be painted on (no printer).
bool PrintLines(QPagedPaintDevice& device, const QStringList& lines, const QFont& font);
} // namespace CommLogPrinting
