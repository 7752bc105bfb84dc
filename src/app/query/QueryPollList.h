#pragma once
// The stored polls of one report class for one machine, from the table of stored polls:
// the number of rows, then four lines a poll ("Poll Id", "Poll Date" as short date and long
// time, "Poll Type", "Polled Area"), in the order of their ids. Both values travel bound,
// so a quote in either is just a character.
#include <QString>
#include <QStringList>

namespace QueryPollList {
QStringList Lines(const QString& reportClass, const QString& machineId);
// A date-time as the answers write it: 6/30/2024 2:05:09 PM, the time left out at midnight.
QString DateTimeText(double days);
} // namespace QueryPollList
