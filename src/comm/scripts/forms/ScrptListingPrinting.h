#pragma once
// Printing the script listing: its pages painted in report units scaled to the device
// (the title centred, the printing time at the left and the page number at the right, the
// headings "Script Id" and "Actions", then each record: the id beside its action lines).
#include "comm/scripts/ScrptListing.h"

class QPainter;
class QPagedPaintDevice;
class QRectF;

namespace ScrptListingPrinting {
// False when the device cannot be painted on (no printer).
bool PrintListing(QPagedPaintDevice& device, const QList<ScrptListing::Page>& pages);
// One page inside the area; the page's 1056 report units fill the area's height.
void PaintPage(QPainter& painter, const ScrptListing::Page& page, const QRectF& area);
} // namespace ScrptListingPrinting
