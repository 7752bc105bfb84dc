#pragma once
// The editing commands a key press can stand for, and the processor's own results.
#include <QtGlobal>

enum TWdgCommand : quint16 {
  ccNone, ccBack, ccBotOfPage, ccBotRightCell, ccCompleteDate, ccCompleteTime, ccCopy, ccCtrlChar,
  ccCut, ccDec, ccDel, ccDelBol, ccDelEol, ccDelLine, ccDelWord, ccDown, ccEnd, ccExtendDown,
  ccExtendEnd, ccExtendHome, ccExtendLeft, ccExtendPgDn, ccExtendPgUp, ccExtendRight, ccExtendUp,
  ccExtBotOfPage, ccExtFirstPage, ccExtLastPage, ccExtTopOfPage, ccExtWordLeft, ccExtWordRight,
  ccFirstPage, ccGotoMarker0, ccGotoMarker1, ccGotoMarker2, ccGotoMarker3, ccGotoMarker4,
  ccGotoMarker5, ccGotoMarker6, ccGotoMarker7, ccGotoMarker8, ccGotoMarker9, ccHome, ccInc, ccIns,
  ccLastPage, ccLeft, ccNewLine, ccNextPage, ccPageLeft, ccPageRight, ccPaste, ccPrevPage, ccRedo,
  ccRestore, ccRight, ccScrollDown, ccScrollUp, ccSetMarker0, ccSetMarker1, ccSetMarker2,
  ccSetMarker3, ccSetMarker4, ccSetMarker5, ccSetMarker6, ccSetMarker7, ccSetMarker8,
  ccSetMarker9, ccTab, ccTableEdit, ccTopLeftCell, ccTopOfPage, ccUndo, ccUp, ccWordLeft,
  ccWordRight,
  // No command: the key is an ordinary key or character.
  CmdPlainKey = 252,
  // The second key of a two-key sequence matched nothing.
  CmdBadSequence = 254,
  // Wait for the next key: the first key of a sequence, or a modifier while one is awaited.
  CmdPending = 255,
};

static_assert(ccWordRight == 75);
