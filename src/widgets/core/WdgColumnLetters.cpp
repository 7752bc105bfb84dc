#include "widgets/core/WdgColumnLetters.h"

QString WdgColumnLetters(int number) {
  QString letters;
  while (number > 0) {
    letters.prepend(QChar(u'A' + (number - 1) % 26));
    number = (number - 1) / 26;
  }
  return letters;
}
