#pragma once
// The look of a text caret: its shape, alignment within a character cell, size, blink time,
// grey or solid, or an image with a hot spot. A caret may be shared by several fields: each
// user adds a reference and releases it; the last release frees the caret.
#include <QImage>
#include <QObject>

enum TWdgCaretShape { csBlock, csHalfBlock, csVertLine, csHorzLine, csCustom, csBitmap };
enum TWdgCaretAlign { caLeft, caTop, caRight, caBottom, caCenter };

class TWdgCaret : public QObject {
  Q_OBJECT
public:
  // A vertical line 2 pixels wide and 10 high, aligned left, blinking at the system's rate.
  TWdgCaret();

  // A new caret has no users.
  int References() const { return references_; }
  void AddReference() { ++references_; }
  // Frees the caret when this was its last reference.
  void Release();

  const QImage& Bitmap() const { return bitmap_; }
  // A null image is ignored; any other is copied and always reported.
  void SetBitmap(const QImage& bitmap);
  int BitmapHotSpotX() const { return hotSpotX_; }
  int BitmapHotSpotY() const { return hotSpotY_; }
  // Reported only while the shape is csBitmap.
  void SetBitmapHotSpotX(int x);
  void SetBitmapHotSpotY(int y);
  TWdgCaretShape Shape() const { return shape_; }
  // A new shape brings its alignment and, for lines, its thickness: csBlock caLeft,
  // csHalfBlock caBottom, csVertLine caLeft and 2 wide, csHorzLine caBottom and 2 high,
  // csBitmap the bitmap's size; csCustom keeps everything.
  void SetShape(TWdgCaretShape shape);
  TWdgCaretAlign Align() const { return align_; }
  void SetAlign(TWdgCaretAlign align);
  // Milliseconds between showing and hiding; 0 for the system's rate.
  int BlinkTime() const { return blinkTime_; }
  void SetBlinkTime(quint16 milliseconds);
  // Pixels; values of 0 and below are ignored.
  int CaretHeight() const { return height_; }
  void SetCaretHeight(int height);
  int CaretWidth() const { return width_; }
  void SetCaretWidth(int width);
  bool IsGray() const { return gray_; }
  void SetIsGray(bool gray);

Q_SIGNALS:
  // Any reported change: the users lay their caret out again.
  void Changed();

private:
  ~TWdgCaret() override = default;  // through Release

  int references_ = 0;
  QImage bitmap_;
  int hotSpotX_ = 0;
  int hotSpotY_ = 0;
  TWdgCaretShape shape_ = csVertLine;
  TWdgCaretAlign align_ = caLeft;
  int blinkTime_ = 0;
  int height_ = 10;
  int width_ = 2;
  bool gray_ = false;
};
