#pragma once
// The characters an alphabetic place of a picture mask takes: blank, ",", "-", ".", the
// letters A to Z and a to z, and the letters among the upper half of Windows-1252.
#include <QChar>
#include <bitset>

const std::bitset<256>& AlphaChars();
// Whether a character (of Windows-1252) is in AlphaChars.
bool IsAlphaChar(QChar c);
