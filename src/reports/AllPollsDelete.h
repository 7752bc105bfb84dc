#pragma once
// Deleting stored polls, as the stored-poll browser asks: a financial section is never
// deleted by itself (the whole selection is refused); a financial head takes its own
// sections with it. Those are the rows right after the head, "Poll Id" P+1 to P+5, each
// only while it is the section expected at its place (sales, receipts, memo, system
// balancing, table service, checked by its report class); the first row that is not ends
// the chain. A head whose sections were never stored so never takes the next financial
// poll with it. Each deleted poll loses its rows of AllPolls and of its report table, all
// in one transaction.
#include <QList>
#include <QString>
#include <QtGlobal>

namespace AllPollsDelete {
// The refusal shown when a selection holds a financial section.
QString RefusalText();
// True when one of the polls is a financial section.
bool HoldsSection(const QList<qint32>& pollIds);
// The polls that deleting these removes, each once, in the order given (a head's sections
// right after it).
QList<qint32> PollsToDelete(const QList<qint32>& pollIds);
// Deletes the polls and their report rows. The report objects are all found first, so a
// class nobody registered (EClassNotRegistered) deletes nothing. A report table that is not
// there shows "Error. Table could not be opened." and the poll's row of AllPolls still goes.
void Delete(const QList<qint32>& pollIds);
} // namespace AllPollsDelete
