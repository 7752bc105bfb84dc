#pragma once
// What a save stored, compared with the synthesiser's expectations of the same answer:
// every poll row of the answer (its class, report name and header values) and every
// column of every row of its tables, in the synthesiser's notation.
#include <QStringList>

class TDatabase;

namespace SynthCheck {
// One line a difference; empty when the stored polls, from firstPollId on, are exactly
// what the expectations say.
QStringList Differences(TDatabase& database, const QStringList& expectations, qint64 firstPollId);
// The number of AllPolls rows the expectations describe.
int PollCount(const QStringList& expectations);
} // namespace SynthCheck
