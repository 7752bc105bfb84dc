#include "widgets/TWdgMeter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr QSize kNewSize{200, 24};
constexpr int kShortest = 3; // a used part shorter than this is not drawn

// One pixel of frame around the rectangle's edge: top and left in one colour, bottom and
// right in the other.
void Frame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(r.left(), r.top(), r.right(), r.top());
  painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
  painter.setPen(bottomRight);
  painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  painter.drawLine(r.right(), r.top() + 1, r.right(), r.bottom());
}

// A part in its colour, or the image's source rectangle stretched over it.
void DrawPart(QPainter& painter, const QRect& target, const QColor& color, const QPixmap& image,
              const QRect& source) {
  if (image.isNull())
    painter.fillRect(target, color);
  else
    painter.drawPixmap(target, image, source);
}
} // namespace

TWdgMeter::TWdgMeter(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(kNewSize);
  text_ = QStringLiteral("%1%").arg(ShownPercent());
}

int TWdgMeter::ShownPercent() const { return std::clamp(percent_, 0, 100); }

void TWdgMeter::SetPercent(int percent) {
  if (percent == percent_) return;
  percent_ = percent;
  text_ = QStringLiteral("%1%").arg(ShownPercent());
  // Callers move the meter inside long loops on the GUI thread: paint now, not later.
  repaint();
}

void TWdgMeter::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  update();
}

void TWdgMeter::SetCtl3D(bool ctl3D) {
  if (ctl3D == ctl3D_) return;
  ctl3D_ = ctl3D;
  update();
}

void TWdgMeter::SetInvertPercent(bool invert) {
  if (invert == invertPercent_) return;
  invertPercent_ = invert;
  if (showPercent_) update();
}

void TWdgMeter::SetOrientation(TMeterOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  if (usedImage_.isNull()) resize(height(), width());
  updateGeometry();
  update();
}

void TWdgMeter::SetShowPercent(bool show) {
  if (show == showPercent_) return;
  showPercent_ = show;
  update();
}

void TWdgMeter::SetUsedColor(const QColor& color) {
  if (color == usedColor_) return;
  usedColor_ = color;
  update();
}

QColor TWdgMeter::UnusedColor() const {
  return unusedColor_.isValid() ? unusedColor_ : palette().color(QPalette::Base);
}

void TWdgMeter::SetUnusedColor(const QColor& color) {
  if (color == unusedColor_) return;
  unusedColor_ = color;
  update();
}

void TWdgMeter::SetUsedImage(const QPixmap& image) {
  usedImage_ = image;
  update();
}

void TWdgMeter::SetUnusedImage(const QPixmap& image) {
  unusedImage_ = image;
  update();
}

TWdgMeter::Parts TWdgMeter::SplitLength(int length, int shownPercent) {
  if (length <= 0) return {};
  int used = length * shownPercent / 100;
  if (used == length) return {length, 0};
  used = std::min(used, length - kShortest);
  // On a bar too short for both rules, no fill beats a fill of 1 or 2 pixels.
  if (used < kShortest) return {0, length};
  return {used, length - used - 1};
}

int TWdgMeter::FrameWidth() const {
  if (borderStyle_ == bsNone) return 0;
  return ctl3D_ ? 2 : 1;
}

QRect TWdgMeter::BarRect() const {
  const int frame = FrameWidth();
  return rect().adjusted(frame, frame, -frame, -frame);
}

QSize TWdgMeter::sizeHint() const {
  return orientation_ == TMeterOrientation::moHorizontal ? kNewSize : kNewSize.transposed();
}

QSize TWdgMeter::minimumSizeHint() const {
  const int side = 2 * FrameWidth() + 1;
  return {side, side};
}

void TWdgMeter::paintEvent(QPaintEvent*) {
  if (meterImage_.size() != size()) meterImage_ = QImage(size(), QImage::Format_RGB32);
  {
    QPainter painter(&meterImage_);
    DrawFrame(painter);
    DrawParts(painter);
    if (showPercent_) DrawText(painter);
  }
  QPainter(this).drawImage(0, 0, meterImage_);
}

void TWdgMeter::DrawFrame(QPainter& painter) const {
  if (borderStyle_ == bsNone) return;
  const QRect outer = rect();
  if (!ctl3D_) {
    Frame(painter, outer, Qt::black, Qt::black);
    return;
  }
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor highlight = palette().color(QPalette::Light);
  Frame(painter, outer, shadow, highlight);
  Frame(painter, outer.adjusted(1, 1, -1, -1), Qt::black, highlight);
}

// The used part runs from the left (horizontal) or up from the bottom (vertical); the
// lengths come from SplitLength, whose one extra pixel falls outside the bar.
void TWdgMeter::DrawParts(QPainter& painter) const {
  const QRect bar = BarRect();
  if (bar.isEmpty()) return;
  const QColor unusedColor = UnusedColor();
  // The share of an image's side that a part of the given length shows.
  auto share = [](int side, int part, int length) { return qRound(double(side) * part / length); };
  painter.save();
  painter.setClipRect(bar);
  if (orientation_ == TMeterOrientation::moHorizontal) {
    const int length = bar.width() + 1;
    const Parts parts = SplitLength(length, ShownPercent());
    const QRect used(bar.left(), bar.top(), parts.used, bar.height());
    const QRect unused(bar.left() + parts.used, bar.top(), parts.unused, bar.height());
    if (parts.unused > 0)
      DrawPart(painter, unusedImage_.isNull() ? unused : bar, unusedColor, unusedImage_,
               unusedImage_.rect());
    if (parts.used > 0)
      DrawPart(painter, used & bar, usedColor_, usedImage_,
               QRect(0, 0, share(usedImage_.width(), parts.used, length), usedImage_.height()));
  } else {
    const int length = bar.height() + 1;
    const Parts parts = SplitLength(length, ShownPercent());
    const int usedTop = bar.bottom() + 1 - parts.used;
    const QRect used(bar.left(), usedTop, bar.width(), parts.used);
    const QRect unused(bar.left(), usedTop - parts.unused, bar.width(), parts.unused);
    if (parts.used > 0)
      DrawPart(painter, usedImage_.isNull() ? used : bar, usedColor_, usedImage_,
               usedImage_.rect());
    if (parts.unused > 0)
      DrawPart(painter, unused & bar, unusedColor, unusedImage_,
               QRect(0, 0, unusedImage_.width(), share(unusedImage_.height(), parts.unused, length)));
  }
  painter.restore();
}

// The text is centred on the bar. Inverted, it is written white on black into an image of
// its own that is combined with the bar by exclusive-or, so it reads over both parts.
void TWdgMeter::DrawText(QPainter& painter) {
  QFont textFont = font();
  // Blended edge pixels would not invert cleanly.
  if (invertPercent_) textFont.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics metrics(textFont);
  const QRect bar = BarRect();
  const int x = bar.left() + (bar.width() + 1 - metrics.horizontalAdvance(text_)) / 2;
  const int baseline = bar.top() + (bar.height() + 1 - metrics.height()) / 2 + metrics.ascent();
  if (!invertPercent_) {
    painter.setFont(textFont);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(x, baseline, text_);
    return;
  }
  if (textImage_.size() != size()) textImage_ = QImage(size(), QImage::Format_RGB32);
  textImage_.fill(Qt::black);
  {
    QPainter text(&textImage_);
    text.setFont(textFont);
    text.setPen(Qt::white);
    text.drawText(x, baseline, text_);
  }
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.drawImage(0, 0, textImage_);
  painter.restore();
}
