#pragma once
// The progress meter: a bar that shows a percentage as a filled (used) part and an empty
// (unused) part, optionally with the percentage as centred text drawn in the inverse of the
// colours under it, inside a sunken frame. Long operations on the GUI thread move it through
// SetPercent, which paints the new value before it returns.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

enum class TMeterOrientation { moHorizontal, moVertical };

class TWdgMeter : public QWidget {
  Q_OBJECT
public:
  enum TBorderStyle { bsNone, bsSingle };

  // The lengths of the two parts along a bar of the given length (see SplitLength).
  struct Parts {
    int used = 0;
    int unused = 0;
    bool operator==(const Parts&) const = default;
  };

  // A new meter is horizontal, 200 by 24 pixels, at 33 % with the text hidden.
  explicit TWdgMeter(QWidget* parent = nullptr);

  int Percent() const { return percent_; }
  // Any integer is kept as given; the bar and the text show it clamped to 0..100.
  void SetPercent(int percent);
  int ShownPercent() const;
  // The text the meter shows when ShowPercent is on, such as "33%".
  const QString& PercentText() const { return text_; }

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);
  bool InvertPercent() const { return invertPercent_; }
  void SetInvertPercent(bool invert);
  TMeterOrientation Orientation() const { return orientation_; }
  // Turning the meter swaps its width and height, unless it shows a used image.
  void SetOrientation(TMeterOrientation orientation);
  bool ShowPercent() const { return showPercent_; }
  void SetShowPercent(bool show);
  QColor UsedColor() const { return usedColor_; }
  void SetUsedColor(const QColor& color);
  // Until a colour is set, the unused part takes the system's window (text entry) colour.
  QColor UnusedColor() const;
  void SetUnusedColor(const QColor& color);
  // A non-empty image takes the place of its part's colour: the unused image is stretched
  // over the whole bar, the used part shows its share of the used image (horizontal); a
  // vertical meter shows the whole used image and the unused part its share of the unused one.
  const QPixmap& UsedImage() const { return usedImage_; }
  void SetUsedImage(const QPixmap& image);
  const QPixmap& UnusedImage() const { return unusedImage_; }
  void SetUnusedImage(const QPixmap& image);
  QString About() const { return QStringLiteral("v1.0"); }

  // The bar's length rule: used = length * percent / 100, never 1 or 2 pixels long, and a
  // partly filled bar leaves at least 2 pixels unused. Length counts one more than the
  // pixels inside the frame: a partly filled bar's parts add up to length - 1, a full
  // bar's used part (or an empty bar's unused part) is the whole length.
  static Parts SplitLength(int length, int shownPercent);
  // The rectangle inside the frame, where the parts are drawn.
  QRect BarRect() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  int FrameWidth() const;
  void DrawFrame(QPainter& painter) const;
  void DrawParts(QPainter& painter) const;
  void DrawText(QPainter& painter);

  TBorderStyle borderStyle_ = bsSingle;
  bool ctl3D_ = true;
  bool invertPercent_ = true;
  TMeterOrientation orientation_ = TMeterOrientation::moHorizontal;
  int percent_ = 33;
  bool showPercent_ = false;
  QColor usedColor_{0, 255, 0};
  QColor unusedColor_; // invalid: the system's window colour
  QPixmap usedImage_;
  QPixmap unusedImage_;
  QString text_;
  QImage meterImage_; // both images are kept while the size stays the same
  QImage textImage_;
};
