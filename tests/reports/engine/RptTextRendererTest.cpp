#include "reports/engine/RptTextRenderer.h"

#include <gtest/gtest.h>

namespace {
RptItem Text(double xMm, double yMm, double widthMm, const QString& text,
             RptAlign align = RptAlign::Left) {
  RptItem item;
  item.rectMm = QRectF(xMm, yMm, widthMm, 5);
  item.text = text;
  item.align = align;
  return item;
}

// Margins of 10 mm; cells of 2.54 mm, so x = 10 + 2.54 * n is column n.
double Col(int n) { return 10 + 2.54 * n; }
} // namespace

TEST(RptTextRendererTest, PlacesTextsByAlignmentInsideTheirCells) {
  struct Case {
    const char* name;
    RptItem item;
    const char* line;
  };
  const Case cases[] = {
      {"left at column 0", Text(Col(0), 20, 2.54 * 6, "ab"), "ab"},
      {"left at column 3", Text(Col(3), 20, 2.54 * 6, "ab"), "   ab"},
      {"right in six cells", Text(Col(0), 20, 2.54 * 6, "ab", RptAlign::Right), "    ab"},
      {"centre in six cells", Text(Col(0), 20, 2.54 * 6, "ab", RptAlign::Center), "  ab"},
      {"too long, left: runs on", Text(Col(0), 20, 2.54 * 2, "abcd"), "abcd"},
      {"too long, right: runs left", Text(Col(2), 20, 2.54 * 2, "abcd", RptAlign::Right), "abcd"},
      {"right past the margin keeps the tail", Text(Col(0), 20, 2.54 * 2, "abcd", RptAlign::Right),
       "cd"},
  };
  for (const Case& c : cases) {
    RptPage page;
    page.items << c.item;
    EXPECT_EQ(RptTextRenderer::PageLines(page, RptPageSetup::LetterPortrait()),
              QStringList{QString::fromLatin1(c.line)})
        << c.name;
  }
}

TEST(RptTextRendererTest, OrdersLinesByTopAndMergesItemsOnOneTop) {
  RptPage page;
  page.items << Text(Col(0), 40, 25, "third") << Text(Col(10), 20, 25, "right")
             << Text(Col(0), 20.02, 25, "left") << Text(Col(0), 30, 25, "second");
  RptItem frame;  // frames and rules draw nothing
  frame.rectMm = QRectF(Col(0), 25, 50, 0);
  frame.frame = RptFrameTop;
  page.items << frame;
  EXPECT_EQ(RptTextRenderer::PageLines(page, RptPageSetup::LetterPortrait()),
            (QStringList{"left      right", "second", "third"}));
}

TEST(RptTextRendererTest, LaterItemWinsAnOverlap) {
  RptPage page;
  page.items << Text(Col(0), 20, 25, "aaaaaa") << Text(Col(2), 20, 25, "XY");
  EXPECT_EQ(RptTextRenderer::PageLines(page, RptPageSetup::LetterPortrait()),
            QStringList{"aaXYaa"});
}

TEST(RptTextRendererTest, RenderEndsEveryPageWithAFormFeed) {
  RptPageModel model;
  model.pages.resize(2);
  model.pages[0].items << Text(Col(0), 20, 25, "one");
  model.pages[1].items << Text(Col(1), 20, 25, "two");
  EXPECT_EQ(RptTextRenderer::Render(model), QString("one\n\f\n two\n\f\n"));
}

TEST(RptPageModelTest, PageSizesAndPrintableArea) {
  EXPECT_EQ(RptPageSetup::LetterPortrait().sizeMm, QSizeF(215.9, 279.4));
  EXPECT_EQ(RptPageSetup::LetterLandscape().sizeMm, QSizeF(279.4, 215.9));
  EXPECT_TRUE(RptPageSetup::LetterLandscape().Landscape());
  RptPageSetup roll = RptPageSetup::Custom(97.9, 6350);
  roll.WithMargins(3.81, 10, 10, 10);
  EXPECT_EQ(roll.PrintableMm(), QRectF(3.81, 10, 97.9 - 13.81, 6330));
  EXPECT_DOUBLE_EQ(RptPxToMm(96), 25.4);
}
