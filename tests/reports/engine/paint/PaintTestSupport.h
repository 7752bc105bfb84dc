#pragma once
// What the painting tests share: small page models and the PDF tools of poppler-utils.
#include "reports/engine/RptPageModel.h"

#include <QString>
#include <QStringList>

namespace PaintTest {
// A text item at a rectangle in millimetres.
RptItem Text(const QRectF& rectMm, const QString& text, RptAlign align = RptAlign::Left,
             RptFont font = RptFont());
// pages pages, each with "Page n of m" at the top-left of the printable area and a
// right-aligned amount on the same line.
RptPageModel Pages(const RptPageSetup& setup, int pages);

// Whether a program is on the path (the PDF tests skip without poppler-utils).
bool HasTool(const QString& program);
// Runs a program and returns what it wrote; fails the test when it does not end well.
QString Run(const QString& program, const QStringList& arguments);
} // namespace PaintTest

#define SKIP_WITHOUT_TOOL(program)                                                      \
  if (!PaintTest::HasTool(program)) GTEST_SKIP() << program << " is not installed (poppler-utils)"
