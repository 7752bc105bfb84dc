#pragma once
// Draws a page model as plain text, for tests, logs and a text export. Each distinct top
// edge of the texts on a page becomes one line, top to bottom; a text goes to the column of
// its rectangle on a grid of fixed cells measured from the left margin, aligned inside the
// rectangle's width in cells. Unlike the paint renderers it never clips: a text wider than its
// rectangle runs on (a right-aligned one runs to the left), so no character is lost to a
// test. Where texts overlap, the later item wins. Frames and rules are not drawn.
#include "reports/engine/RptPageModel.h"

#include <QStringList>

namespace RptTextRenderer {
inline constexpr double kCellWidthMm = 2.54;  // ten characters an inch

// The lines of one page, trailing blanks removed.
QStringList PageLines(const RptPage& page, const RptPageSetup& setup,
                      double cellWidthMm = kCellWidthMm);
// The whole model: the pages' lines, each page ended by a form feed line ("\f").
QString Render(const RptPageModel& model, double cellWidthMm = kCellWidthMm);
} // namespace RptTextRenderer
