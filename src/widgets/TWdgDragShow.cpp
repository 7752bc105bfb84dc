#include "widgets/TWdgDragShow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace {
// A window that only paints the picture, above the others, without focus or mouse.
class TPictureWindow final : public QWidget {
public:
  explicit TPictureWindow(const QImage& image)
      : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                             Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
        image_(image) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(image.size());
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, image_);
  }

private:
  QImage image_;
};
} // namespace

TWdgDragShow::TWdgDragShow(int x, int y, const QRect& sourceRect, const QColor& transparentColor,
                           QWidget* source)
    : hotSpot_(x - sourceRect.left(), y - sourceRect.top()),
      rect_(sourceRect.topLeft(), sourceRect.size()),
      image_(Masked(Take(sourceRect, source), transparentColor)),
      window_(std::make_unique<TPictureWindow>(image_)) {
  window_->move(rect_.topLeft());
  initialised_ = true;
  Show();
}

TWdgDragShow::~TWdgDragShow() { Hide(); }

QWidget* TWdgDragShow::Window() const { return window_.get(); }

QImage TWdgDragShow::Take(const QRect& sourceRect, QWidget* source) {
  QPixmap taken;
  if (source) {
    const QRect local(source->mapFromGlobal(sourceRect.topLeft()), sourceRect.size());
    taken = source->grab(local);
  } else {
    QScreen* screen = QGuiApplication::screenAt(sourceRect.topLeft());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QPoint origin = sourceRect.topLeft() - screen->geometry().topLeft();
    taken = screen->grabWindow(0, origin.x(), origin.y(), sourceRect.width(), sourceRect.height());
  }
  // Whatever the grab could not cover stays in the transparent colour's place: clear.
  QImage image(sourceRect.size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.drawPixmap(0, 0, taken);
  return image;
}

QImage TWdgDragShow::Masked(const QImage& source, const QColor& transparentColor) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = transparentColor.rgb() & RGB_MASK;
  for (int row = 0; row < image.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < image.width(); ++column)
      if ((line[column] & RGB_MASK) == transparent) line[column] = 0;
  }
  return image;
}

void TWdgDragShow::MoveTo(int x, int y) {
  if (!initialised_) return;
  const QPoint corner(x - hotSpot_.x(), y - hotSpot_.y());
  if (corner == rect_.topLeft()) return;
  rect_.moveTopLeft(corner);
  // The window system puts back what the picture covered and shows it at the new place in
  // one step, overlapping or not.
  window_->move(corner);
}

void TWdgDragShow::Hide() {
  if (!shown_) return;
  window_->hide();
  shown_ = false;
}

void TWdgDragShow::Show() {
  if (!initialised_) return;
  window_->move(rect_.topLeft());
  window_->show();
  window_->raise();
  window_->update();
  shown_ = true;
}
