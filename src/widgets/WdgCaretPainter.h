#pragma once
// Draws an entry field's caret the way a text caret shows: the pixels under a solid caret
// are inverted, a grey caret combines them with grey, an image caret combines them with its
// image (white inverts, black leaves alone). Drawing the caret twice puts the pixels back.
class QPainter;
class TWdgSingleCaret;

// Nothing is drawn while the caret is unlinked, hidden or parked.
void PaintCaret(QPainter& painter, const TWdgSingleCaret& caret);
