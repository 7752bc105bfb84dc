#pragma once
// The column captions of the line-chain forms, bold over the columns of RptLineLayout.
#include <QStringList>

class RptBand;
struct RptLineLayout;

namespace RptLineColumns {
// captions: "Description", "Count", "Amount", "Average" (or fewer); top in form pixels.
void Add(RptBand& band, const RptLineLayout& layout, const QStringList& captions, double top);
} // namespace RptLineColumns
