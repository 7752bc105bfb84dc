#include "widgets/core/WdgGridCommands.h"

#include "widgets/core/WdgCommandCodes.h"

bool WdgIsGridNavigation(quint16 c) {
  switch (c) {
  case ccBotOfPage: case ccBotRightCell: case ccDown: case ccEnd: case ccFirstPage: case ccHome:
  case ccLastPage: case ccLeft: case ccNextPage: case ccPageLeft: case ccPageRight:
  case ccPrevPage: case ccRight: case ccTopLeftCell: case ccTopOfPage: case ccUp: return true;
  default: return false;
  }
}

quint16 WdgGridPlainCommand(quint16 c) {
  static const quint16 plain[] = {ccDown, ccEnd, ccHome, ccLeft, ccNextPage, ccPrevPage, ccRight,
                                  ccUp, ccBotOfPage, ccFirstPage, ccLastPage, ccTopOfPage,
                                  ccWordLeft, ccWordRight};
  return c >= ccExtendDown && c <= ccExtWordRight ? plain[c - ccExtendDown] : quint16(ccNone);
}
