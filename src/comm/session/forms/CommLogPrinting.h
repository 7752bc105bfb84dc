#pragma once
// Printing for the communication log: a row's progress lines as plain text lines, and the
// "Log Table" listing from its pages (letter, portrait: the title centred at 20 points, the
// time printed at the left and the page number at the right, then the nine headings and
// the rows at 8 points).
#include "comm/session/CommLogListing.h"

#include <QFont>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;
class QRectF;

namespace CommLogPrinting {
// Each line as a text line in the font, as many to a page as fit. False when the device
// cannot be painted on (no printer).
bool PrintLines(QPagedPaintDevice& device, const QStringList& lines, const QFont& font);
bool PrintListing(QPagedPaintDevice& device, const QList<CommLogListing::Page>& pages);
// One page of the listing inside the area of the painter's device.
void PaintListingPage(QPainter& painter, const CommLogListing::Page& page, const QRectF& area);
} // namespace CommLogPrinting
