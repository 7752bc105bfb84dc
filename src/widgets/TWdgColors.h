#pragma once
// A background and text colour pair of an entry field (its disabled, error and highlight
// colours) that falls back to two default colours.
#include <QColor>
#include <QObject>

class QPalette;

class TWdgColors : public QObject {
  Q_OBJECT
public:
  // The pairs an entry field keeps, with their defaults: disabled (window background, grey
  // text), error (red background, black text), highlight (the highlight colours).
  enum Role { Disabled, Error, Highlight };

  // Starts on the defaults, UseDefault set.
  TWdgColors(const QColor& defaultBack, const QColor& defaultText, QObject* parent = nullptr);
  // A role's pair, its defaults taken from the palette.
  TWdgColors(Role role, const QPalette& palette, QObject* parent = nullptr);

  const QColor& BackColor() const { return back_; }
  const QColor& TextColor() const { return text_; }
  const QColor& DefaultBackColor() const { return defaultBack_; }
  const QColor& DefaultTextColor() const { return defaultText_; }
  // A colour other than the present one is stored and reported; one other than its default
  // also clears UseDefault (setting the default back does not set UseDefault again).
  void SetBackColor(const QColor& color);
  void SetTextColor(const QColor& color);
  bool UseDefault() const { return useDefault_; }
  // True brings both defaults back and reports; false is only stored.
  void SetUseDefault(bool useDefault);
  // Both colours of another pair, through the setters.
  void Assign(const TWdgColors& source);

Q_SIGNALS:
  void Changed();

private:
  void SetColor(QColor& color, const QColor& value, const QColor& fallback);

  QColor defaultBack_;
  QColor defaultText_;
  QColor back_;
  QColor text_;
  bool useDefault_ = true;
};
