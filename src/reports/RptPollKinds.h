#pragma once
// What a stored poll is, by the report class stored with it ("EcrRptClass"; letter case
// ignored): the head of a financial report, or one of the five sections that follow the
// head with the next "Poll Id" values, in the order sales, receipts, memo, system
// balancing, table service. The sales-and-labour report begins like the sales section's
// class but is a report of its own.
#include <QString>

namespace RptPollKinds {
inline constexpr int kSectionCount = 5;

bool IsFinancialHead(const QString& reportClass);
bool IsFinancialSection(const QString& reportClass);
// The place 1..5 of a section class in its head's chain; 0 for any other class.
int SectionPlace(const QString& reportClass);
// Hidden from the browser while it shows financial reports as their heads alone.
bool HiddenUnderFinancialHead(const QString& reportClass, const QString& reportName);
} // namespace RptPollKinds
