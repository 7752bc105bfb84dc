#pragma once
// The financial figures that the CRS 3000 driver offers outside callers: the field names
// of the five financial section tables, the prefixes that mark each section's names in
// an answer, and which head and section classes a ROM version's financial report has.
#include <QList>
#include <QString>
#include <QStringList>

namespace Crs3000FnclFields {
constexpr int SectionCount = 5;

// FnclFieldNames: per section, in section order (sales, receipts, memo, system
// balancing, table service), the exact field names of its table (48, 48, 20, 15, 16).
const QList<QStringList>& FnclFieldNames();
// "Sales-", "Rcpts-", "Memo-", "SysBal-", "TblSvc-".
const QStringList& SectionPrefixes();

// The first four characters of the ROM text read as a decimal number, times 100,
// rounded ("2.26" gives 226); 0 when they are no number.
int RomNumber(const QString& romName);
// The financial head class of a ROM number.
QString HeadClass(int romNumber);
// The five section classes that follow a head class, in section order; none for a class
// that is no financial head.
QStringList SectionClasses(const QString& headClass);
} // namespace Crs3000FnclFields
