#pragma once
// Small routines the library's controls share: number texts, the century, comparisons.
#include <QChar>
#include <QString>

class QObject;

// Trims the text and turns it into the form the number reader takes: the decimal character
// becomes ".", a missing whole or fraction part becomes "0" (",5" and "-,5" with the decimal
// character ",": "0.5" and "-0.5"), a trailing decimal character goes; an empty text is "0".
void FixRealString(QString& text, QChar decimalChar);

// The current year of the system clock with its last two digits set to zero.
int CurrentCentury();

inline int SmallerOf(int a, int b) { return a < b ? a : b; }
inline int LargerOf(int a, int b) { return a > b ? a : b; }

// The border an entry field draws around its text.
enum class TWdgBorderStyle { None, Single };

// The row (in pixels from the client area's top) at which an entry field draws its text:
// systemFontHeight and fontHeight are the heights of the system font and the field's font,
// clientHeight that of the field's client area.
int TopTextMargin(int systemFontHeight, int fontHeight, TWdgBorderStyle border, int clientHeight,
                  bool ctl3D);

// True for a name a component may carry: a letter or "_", then letters, digits or "_" (ASCII).
bool IsValidComponentName(const QString& name);
// The base name followed by the first number from 1 upward that names no object inside the
// form (names compared without regard to case). EComponentError when the base name is no
// valid component name.
QString UniqueComponentName(const QObject* form, const QString& baseName);
