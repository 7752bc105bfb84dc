#pragma once
// The caret of one entry field: which caret it uses, laid out in a character cell of the
// field's line height and character width, at a position in the field's pixels.
//
// A field draws its own caret: while the caret is linked (the field has the focus) and shown,
// Rect() is the rectangle to draw (see WdgCaretPainter.h) and BlinkInterval() the half
// period of its blinking. Nothing here changes any system-wide setting.
#include "widgets/TWdgCaret.h"

#include <QObject>
#include <QPoint>
#include <QRect>

class QFontMetrics;
class QWidget;

class TWdgSingleCaret : public QObject {
  Q_OBJECT
public:
  static constexpr int kParked = 2147483647;

  // `field` is the owning entry field (may be null: such a caret is never linked). The caret
  // in use starts as a new default caret (a 2 by 10 vertical line).
  explicit TWdgSingleCaret(QWidget* field = nullptr);
  // Hides and unlinks the caret and releases the caret in use.
  ~TWdgSingleCaret() override;

  QWidget* Field() const { return field_; }
  TWdgCaret* Caret() const { return caret_; }
  // Releases the old caret and takes a reference to the new one (a null caret is ignored).
  void SetCaret(TWdgCaret* caret);

  int LineHeight() const { return lineHeight_; }
  int CharWidth() const { return charWidth_; }
  // Positive values only.
  void SetLineHeight(int height);
  void SetCharWidth(int width);
  // The line height and average character width of the field's font.
  void SetFontMetrics(const QFontMetrics& metrics);

  bool Linked() const { return linked_; }
  // Only with a field; the caret then shows in the field while Shown.
  void Link();
  void Unlink();

  QPoint Position() const { return position_; }
  // A negative coordinate parks the caret out of sight (kParked).
  void SetPosition(int x, int y);
  bool Shown() const { return shown_; }
  void Show();
  void Hide();

  // The caret image's offset from the position and its size, from shape and alignment.
  QPoint Offset() const { return offset_; }
  QSize Size() const;
  // What the field draws: the caret's rectangle while linked, shown and not parked; else an
  // empty rectangle.
  QRect Rect() const;
  // The caret's blink time, or the system's rate when it has none.
  int BlinkInterval() const;

Q_SIGNALS:
  // The caret's rectangle may have changed: the field repaints the old and the new one.
  void Changed();

protected:
  // Lays the caret out again and, when it was linked, links it again.
  void Recreate();

private:
  void Layout();

  QWidget* field_;
  TWdgCaret* caret_ = nullptr;
  QMetaObject::Connection caretChanged_;
  int lineHeight_ = 10;
  int charWidth_ = 10;
  bool linked_ = false;
  bool shown_ = false;
  QPoint position_;
  QPoint offset_;
};
