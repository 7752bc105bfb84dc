#pragma once
// Small routines the library's controls share: number texts, the century, comparisons.
#include <QChar>
#include <QString>

// Trims the text and turns it into the form the number reader takes: the decimal character
// becomes ".", a missing whole or fraction part becomes "0" (",5" and "-,5" with the decimal
// character ",": "0.5" and "-0.5"), a trailing decimal character goes; an empty text is "0".
void FixRealString(QString& text, QChar decimalChar);

// The current year of the system clock with its last two digits set to zero.
int CurrentCentury();
