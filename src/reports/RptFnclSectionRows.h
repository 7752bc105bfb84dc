#pragma once
// The row of one section of a financial poll, addressed from the head: the section k (0
// sales .. 4 table service) of head poll P is the stored poll P+1+k, taken only when that
// poll is of the section's own report class. Anything else (no such poll, a poll of another
// kind, a section table without the poll's row) reads as a section with no row, so its lines
// print as empty and never show another poll's figures.
#include "reports/RptKeyedSource.h"

#include <QString>

#include <memory>

namespace RptFnclSectionRows {
// database: where the section tables are (the report's database).
std::unique_ptr<RptKeyedSource> Open(const QString& database, qint64 headPollId, int section);
// The section table of a section poll's report class.
QString TableOf(int section, const QString& reportClass);
} // namespace RptFnclSectionRows
