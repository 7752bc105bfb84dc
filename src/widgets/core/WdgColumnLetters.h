#pragma once
// Spreadsheet-style column letters: 1 is A, 26 is Z, 27 is AA, 53 is BA; nothing for 0 or less.
#include <QString>

QString WdgColumnLetters(int number);
