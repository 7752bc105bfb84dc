#pragma once
// The range limits of a Char field as text: the character itself, or "#" and its decimal code
// for a blank or a control character ("#9" is a tab).
#include <QChar>
#include <QString>

// An empty text, or a "#" whose (at most three) following characters are no code of one byte,
// gives a blank.
QChar TextToCharRange(const QString& text);
QString CharRangeToText(QChar c);
