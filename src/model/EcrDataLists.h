#pragma once
// The answers a register driver gives outside callers about a machine's stored data,
// without talking to the register: lists of its PLUs, UPCs, groups, employees and
// financial fields from the local program tables, descriptions of its PLU and UPC program
// tables, and the values of one stored poll. Each answer is a list of text lines, cleared
// first; the driver's field maps say which classes and fields to use.
//
// Numbers are written with "." as the decimal separator: whole numbers ("fixed 0"), two
// decimals for prices ("fixed 2"), or the shortest text of at most 15 significant digits
// ("general"). A missing program answers "0"; a poll id that is no whole number raises
// EConvertError; database errors reach the caller.
#include <QString>
#include <QStringList>

class tEcr;

namespace EcrDataLists {
void GetFnclList(const tEcr& ecr, QStringList& list);
void GetPLUList(const tEcr& ecr, QStringList& list);
void GetUPCList(const tEcr& ecr, QStringList& list);
void GetGroupList(const tEcr& ecr, QStringList& list);
void GetEmplList(const tEcr& ecr, QStringList& list);
void GetPLUPoll(const tEcr& ecr, QStringList& list, const QString& pollId);
void GetFnclPoll(const tEcr& ecr, QStringList& list, const QString& pollId);
void GetGroupPoll(const tEcr& ecr, QStringList& list, const QString& pollId);
void GetTKPoll(const tEcr& ecr, QStringList& list, const QString& pollId);
void GetPLUPrgInfo(const tEcr& ecr, QStringList& list);
void GetUPCPrgInfo(const tEcr& ecr, QStringList& list);

// The number forms of the answers.
QString FixedText(double value, int decimals);
QString GeneralText(double value);
} // namespace EcrDataLists
