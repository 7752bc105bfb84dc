#pragma once
// The pages a report generation produces, independent of any device. Renderers (text, PDF,
// printer, preview) draw only this: the engine has fixed every rectangle, so what lands on
// which page never depends on a device's text metrics; a renderer only places each text
// inside its rectangle by the item's alignment, clipping what does not fit.
//
// Units: millimetres, measured from the top-left corner of the paper (margins included, so
// an item's rectangle is where it is on the sheet). Report designs are laid out in form
// pixels of 1/96 inch; RptPxToMm converts.
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

inline constexpr double kRptMmPerInch = 25.4;
inline constexpr double kRptPxPerInch = 96.0;
inline constexpr double RptPxToMm(double px) { return px * kRptMmPerInch / kRptPxPerInch; }
inline constexpr double RptPtToMm(double pt) { return pt * kRptMmPerInch / 72.0; }

// Horizontal placement of a text inside its rectangle. Texts sit at the top of their
// rectangle; a text longer than its rectangle is clipped at the rectangle's edges.
enum class RptAlign { Left, Center, Right };

// Sides of a rectangle that are drawn as lines; combine with |.
enum RptFrameSide : unsigned {
  RptFrameNone = 0,
  RptFrameLeft = 1,
  RptFrameTop = 2,
  RptFrameRight = 4,
  RptFrameBottom = 8,
  RptFrameAll = 15
};

struct RptFont {
  QString family = QStringLiteral("Sans Serif");
  double pointSize = 10;
  bool bold = false;
  bool underline = false;
  bool operator==(const RptFont&) const = default;
};

// One thing drawn on a page: a text in a rectangle, the frame lines of that rectangle, or
// both. A rule is an item with no text and one frame side (a horizontal rule: a rectangle of
// height 0 with RptFrameTop; a vertical one: width 0 with RptFrameLeft).
struct RptItem {
  QRectF rectMm;
  QString text;
  RptFont font;
  RptAlign align = RptAlign::Left;
  unsigned frame = RptFrameNone;  // RptFrameSide bits
  double frameWidthMm = 0.26;     // line width of the frame sides (about 1 pt)
  QString element;                // name of the design element it came from (empty: a band frame)
  bool operator==(const RptItem&) const = default;
};

struct RptPage {
  QList<RptItem> items;
  bool operator==(const RptPage&) const = default;
};

// Paper size and margins. Bands are placed inside the margins; items are in paper coordinates.
struct RptPageSetup {
  QSizeF sizeMm{215.9, 279.4};
  QMarginsF marginsMm{10, 10, 10, 10};  // left, top, right, bottom

  static RptPageSetup LetterPortrait();
  static RptPageSetup LetterLandscape();
  static RptPageSetup Custom(double widthMm, double heightMm);
  RptPageSetup& WithMargins(double left, double top, double right, double bottom);

  bool Landscape() const { return sizeMm.width() > sizeMm.height(); }
  // The area bands are laid out in, in paper coordinates.
  QRectF PrintableMm() const;
  bool operator==(const RptPageSetup&) const = default;
};

// What became of one band offered during a generation, in the order they were offered.
// A disabled band is not offered and leaves no entry. page is 1-based: the page the band
// went on, or, for a vetoed band, the page that was current when it was offered.
struct RptTraceEntry {
  int page = 0;
  QString band;
  bool printed = false;
  bool operator==(const RptTraceEntry&) const = default;
};

struct RptPageModel {
  QString title;  // the report's title text, for window captions and PDF metadata
  RptPageSetup setup;
  QList<RptPage> pages;
  QList<RptTraceEntry> trace;

  int PageCount() const { return int(pages.size()); }
  // The bands of the trace that printed, in order (a compact form for tests and logs).
  QStringList PrintedBands() const;
  bool operator==(const RptPageModel&) const = default;
};
