#pragma once
// The characters of a picture mask one by one: which take a typed character (placeholders),
// which characters each accepts, and the case each forces.
//
// Placeholders: ! # 1-8 9 A B D E H K L M N O S X Y a b d h i l m n s t x y. Every other
// character is a literal; '$' and ',' are semi-literals of numbers (see TWdgPictureMask).
#include "widgets/core/TWdgUserData.h"
#include "widgets/core/WdgIntlSup.h"

#include <QChar>

bool IsPlaceholderChar(QChar pictureChar);

// The character as the picture character makes it: upper case for ! A N E K B Y, lower case
// for L l, upper case after a blank or '-' for x, the user data's rule for 1..8; any other
// picture character leaves it as typed. `preceding` is the character before the position.
QChar ForceCase(QChar pictureChar, QChar c, QChar preceding,
                const TWdgUserData& userData = TWdgUserData::Default());

// Whether a typed character may stand at a position of the picture character. With
// `forceCase`, `c` is first changed by ForceCase (and stays changed, whatever the answer).
// The null character never fits; a literal picture character accepts everything.
bool CharFitsMask(QChar pictureChar, QChar& c, bool forceCase, QChar preceding,
                  const TWdgIntlSup& settings = RegionalSettings(),
                  const TWdgUserData& userData = TWdgUserData::Default());
