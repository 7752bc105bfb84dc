#pragma once
// A picture of a piece of the screen that follows the mouse, such as the table grid shows of
// a heading while the user drags a row or column to a new place. The picture is taken once,
// when the drag starts; pixels of the transparent colour show what lies beneath. It stands in
// a frameless window of its own above every other window, so it can leave its source widget,
// takes neither the focus nor the mouse, and the window system restores what it covered.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <memory>

class QWidget;

class TWdgDragShow {
public:
  // All in screen coordinates: (x, y) is the mouse point, sourceRect the area to copy (a
  // rectangle of one pixel when its left equals its right). The picture is taken from the
  // source widget when one is given, else from the screen, and is shown at once over its
  // source.
  TWdgDragShow(int x, int y, const QRect& sourceRect, const QColor& transparentColor,
               QWidget* source = nullptr);
  ~TWdgDragShow(); // hides the picture
  TWdgDragShow(const TWdgDragShow&) = delete;
  TWdgDragShow& operator=(const TWdgDragShow&) = delete;

  // Places the picture so that the point it was taken at lies under (x, y).
  void MoveTo(int x, int y);
  // Takes the picture off the screen; nothing when it is not shown.
  void Hide();
  // Puts the picture on the screen at its present place, also when it is shown already.
  void Show();

  bool Initialised() const { return initialised_; }
  bool Shown() const { return shown_; }
  // The picture's place on the screen.
  QRect Rect() const { return rect_; }
  // The mouse point less the picture's top-left corner when it was taken.
  QPoint HotSpot() const { return hotSpot_; }
  // The picture: the source with its transparent colour turned fully transparent.
  const QImage& Image() const { return image_; }
  // The window that shows it, for looking at it.
  QWidget* Window() const;

  // The picture with every pixel of the transparent colour made fully transparent.
  static QImage Masked(const QImage& source, const QColor& transparentColor);

private:
  static QImage Take(const QRect& sourceRect, QWidget* source);

  bool initialised_ = false;
  bool shown_ = false;
  QPoint hotSpot_;
  QRect rect_;
  QImage image_;
  std::unique_ptr<QWidget> window_;
};
