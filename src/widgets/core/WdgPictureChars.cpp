#include "widgets/core/WdgPictureChars.h"

#include "widgets/core/WdgAlphaChars.h"
#include "widgets/core/WdgStr.h"

namespace {
bool In(QChar c, const char* chars) {
  for (const char* p = chars; *p; ++p)
    if (c == QChar::fromLatin1(*p)) return true;
  return false;
}

bool IsDigitOrBlank(QChar c) { return c == u' ' || (c >= u'0' && c <= u'9'); }

QChar MixedCase(QChar c, QChar preceding) {
  return preceding == u' ' || preceding == u'-' ? UpperChar(c) : c;
}
} // namespace

bool IsPlaceholderChar(QChar pictureChar) {
  return In(pictureChar, "!#12345678ABDEHKLMNOSXYabdhilmnstxy") || pictureChar == u'9';
}

QChar ForceCase(QChar pictureChar, QChar c, QChar preceding, const TWdgUserData& userData) {
  if (In(pictureChar, "!ANEKBY")) return UpperChar(c);
  if (In(pictureChar, "Ll")) return LowerChar(c);
  if (pictureChar == u'x') return MixedCase(c, preceding);
  switch (userData.CaseRule(pictureChar)) {
  case TWdgCaseRule::Upper: return UpperChar(c);
  case TWdgCaseRule::Lower: return LowerChar(c);
  case TWdgCaseRule::Mixed: return MixedCase(c, preceding);
  default: return c;
  }
}

bool CharFitsMask(QChar pictureChar, QChar& c, bool forceCase, QChar preceding,
                  const TWdgIntlSup& settings, const TWdgUserData& userData) {
  if (c.isNull()) return false;
  if (forceCase) c = ForceCase(pictureChar, c, preceding, userData);
  const char p = pictureChar.unicode() < 128 ? char(pictureChar.unicode()) : 0;
  switch (p) {
  case 'a': case 'A': case 'l': case 'n': case 'N': return IsAlphaChar(c);
  case '9': case 'D': case 'H': case 'M': case 'S': case 'd': case 'h': case 'm': case 's': case 'y':
    return IsDigitOrBlank(c);
  case 'i': return IsDigitOrBlank(c) || c == u'-';
  case '#': return IsDigitOrBlank(c) || c == u'-' || c == u'.';
  case 'E': return IsDigitOrBlank(c) || In(c, "-.+E");
  case 'K': return IsDigitOrBlank(c) || (c >= u'A' && c <= u'F');
  case 'O': return c == u' ' || (c >= u'0' && c <= u'7');
  case 'b': return In(c, " 01");
  case 'B': return c == settings.TrueChar() || c == settings.FalseChar();
  case 'Y': return c == settings.YesChar() || c == settings.NoChar();
  case '1': case '2': case '3': case '4': case '5': case '6': case '7': case '8':
    return userData.Accepts(pictureChar, c);
  default: return true;
  }
}
