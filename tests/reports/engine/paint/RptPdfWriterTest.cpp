#include "PaintTestSupport.h"

#include "reports/engine/RptOutputErrors.h"
#include "reports/engine/RptPdfWriter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>



namespace {
struct PaperCase {
  const char* name;
  RptPageSetup setup;
  double widthPt;
  double heightPt;
};

// The papers reports are printed on; PDF sizes are whole points.
const PaperCase kPapers[] = {
    {"LetterPortrait", RptPageSetup::LetterPortrait(), 612, 792},
    {"LetterLandscape", RptPageSetup::LetterLandscape(), 792, 612},
    {"Roll979", RptPageSetup::Custom(97.9, 6350).WithMargins(3.81, 10, 10, 10), 277.5, 18000},
    {"Roll1016", RptPageSetup::Custom(101.6, 1549.4).WithMargins(3.81, 10, 10, 10), 288, 4392.3},
};

void PrintTo(const PaperCase& paper, std::ostream* os) { *os << paper.name; }

class PdfPaper : public ::testing::TestWithParam<PaperCase> {
protected:
  QTemporaryDir dir_;
};

QString PdfInfo(const QString& file) {
  return PaintTest::Run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                         QStringLiteral("99"), file});
}

// "Page    n size: w x h pts ..." for each page.
QStringList PageSizes(const QString& file) {
  QStringList sizes;
  for (const QString& line : PdfInfo(file).split(u'\n'))
    if (line.startsWith(QStringLiteral("Page ")) && line.contains(QStringLiteral(" size:"))) sizes << line;
  return sizes;
}

QString Info(const QString& file, const QString& key) {
  const QString info = PdfInfo(file);
  QStringList values;
  for (const QString& line : info.split(u'\n'))
    if (line.startsWith(key)) values << line.mid(line.indexOf(u':') + 1).trimmed();
  return values.join(u'|');
}
} // namespace

TEST_P(PdfPaper, EveryPageHasThePaperSizeAndTheCountIsRight) {
  SKIP_WITHOUT_TOOL("pdfinfo");
  const QString file = dir_.filePath(QStringLiteral("paper.pdf"));
  RptPdfWriter::Write(PaintTest::Pages(GetParam().setup, 3), file);

  EXPECT_EQ(Info(file, QStringLiteral("Pages:")), QStringLiteral("3"));
  const QStringList sizes = PageSizes(file);
  ASSERT_EQ(sizes.size(), 3) << sizes.join(u'|').toStdString();
  static const QRegularExpression pts(QStringLiteral("([0-9.]+) x ([0-9.]+) pts"));
  for (const QString& size : sizes) {
    const QRegularExpressionMatch match = pts.match(size);
    ASSERT_TRUE(match.hasMatch()) << size.toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), GetParam().widthPt, 0.51) << size.toStdString();
    EXPECT_NEAR(match.captured(2).toDouble(), GetParam().heightPt, 0.51) << size.toStdString();
  }
}

TEST_P(PdfPaper, TextsAreOnTheirPagesInOrder) {
  SKIP_WITHOUT_TOOL("pdftotext");
  const QString file = dir_.filePath(QStringLiteral("paper.pdf"));
  RptPdfWriter::Write(PaintTest::Pages(GetParam().setup, 3), file);

  const QString text = PaintTest::Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
  const QStringList pages = text.split(u'\f');
  ASSERT_GE(pages.size(), 3);
  for (int i = 1; i <= 3; ++i) {
    const QString line = pages.at(i - 1).split(u'\n', Qt::SkipEmptyParts).value(0);
    // The caption at the left margin and the amount at the right one, on one line.
    static const QRegularExpression layout(QStringLiteral("^\\s*Page (\\d) of 3\\s+\\$(\\d+)\\.00$"));
    const QRegularExpressionMatch match = layout.match(line);
    ASSERT_TRUE(match.hasMatch()) << line.toStdString();
    EXPECT_EQ(match.captured(1).toInt(), i);
    EXPECT_EQ(match.captured(2).toInt(), i * 11);
  }
}

INSTANTIATE_TEST_SUITE_P(Papers, PdfPaper, ::testing::ValuesIn(kPapers),
                         [](const auto& paper) { return std::string(paper.param.name); });

namespace {
struct Box {
  QString word;
  double xMin, yMin, xMax, yMax;
};

QList<Box> WordBoxes(const QString& file) {
  const QString html = PaintTest::Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
  static const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  QList<Box> boxes;
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    boxes << Box{m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                 m.captured(4).toDouble()};
  }
  return boxes;
}

constexpr double PtOf(double mm) { return mm * 72.0 / 25.4; }
} // namespace

TEST(PdfWriter, TextsAreAlignedInsideTheirRectangles) {
  SKIP_WITHOUT_TOOL("pdftotext");
  // Three 60 mm rectangles, one under the other, from 40 mm to 100 mm across.
  RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 0);
  RptPage page;
  page.items << PaintTest::Text(QRectF(40, 50, 60, 5), QStringLiteral("Leftward"), RptAlign::Left)
             << PaintTest::Text(QRectF(40, 60, 60, 5), QStringLiteral("Centred"), RptAlign::Center)
             << PaintTest::Text(QRectF(40, 70, 60, 5), QStringLiteral("Rightward"), RptAlign::Right);
  model.pages << page;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("align.pdf"));
  RptPdfWriter::Write(model, file);

  const QList<Box> boxes = WordBoxes(file);
  ASSERT_EQ(boxes.size(), 3);
  const double left = PtOf(40), right = PtOf(100), tolerance = 1.5;
  EXPECT_NEAR(boxes[0].xMin, left, tolerance);
  EXPECT_NEAR((boxes[1].xMin + boxes[1].xMax) / 2, (left + right) / 2, tolerance);
  EXPECT_NEAR(boxes[2].xMax, right, tolerance);
  // Texts hang from the top of their rectangles.
  for (int i = 0; i < 3; ++i) {
    EXPECT_GE(boxes[i].yMin, PtOf(50 + 10 * i) - 0.5) << boxes[i].word.toStdString();
    EXPECT_LT(boxes[i].yMin, PtOf(50 + 10 * i) + 3) << boxes[i].word.toStdString();
  }
}

TEST(PdfWriter, TextReadsBackLetterForLetterWithoutLigatures) {
  SKIP_WITHOUT_TOOL("pdftotext");
  RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 0);
  RptPage page;
  const QString words = QStringLiteral("Coffee Muffin Waffle fl fi");
  RptFont serif;
  serif.family = QStringLiteral("Times New Roman");
  page.items << PaintTest::Text(QRectF(20, 20, 150, 6), words)
             << PaintTest::Text(QRectF(20, 30, 150, 6), words, RptAlign::Left, serif);
  model.pages << page;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("words.pdf"));
  RptPdfWriter::Write(model, file);
  const QString text = PaintTest::Run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
  EXPECT_EQ(text.count(words), 2) << text.toStdString();
}

TEST(PdfWriter, TheTitleIsTheDocumentTitle) {
  SKIP_WITHOUT_TOOL("pdfinfo");
  RptPageModel model = PaintTest::Pages(RptPageSetup::LetterPortrait(), 1);
  model.title = QStringLiteral("PLU Report");
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("title.pdf"));
  RptPdfWriter::Write(model, file);
  EXPECT_EQ(Info(file, QStringLiteral("Title:")), QStringLiteral("PLU Report"));
}

TEST(PdfWriter, AFileThatCannotBeWrittenIsAnErrorAndLeavesNothing) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("no folder/out.pdf"));
  EXPECT_THROW(RptPdfWriter::Write(PaintTest::Pages(RptPageSetup::LetterPortrait(), 1), file), ERptOutput);
  EXPECT_FALSE(QFile::exists(file));
}

TEST(PdfWriter, AnEmptyModelStillGivesAValidFileOfOnePage) {
  SKIP_WITHOUT_TOOL("pdfinfo");
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("empty.pdf"));
  RptPdfWriter::Write(PaintTest::Pages(RptPageSetup::LetterPortrait(), 0), file);
  EXPECT_EQ(Info(file, QStringLiteral("Pages:")), QStringLiteral("1"));
}
