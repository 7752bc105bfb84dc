#pragma once
// The numeric edit control: a one-line box that takes only a signed number shaped by a small
// mask of "0", "$" and "." characters. Typed keys, pastes and drops that do not fit the mask
// are refused; leaving checks the range (keeping the user in the box with a message until the
// number is in range), pads the decimals and puts the "$" back. Forms connect to exited(),
// which is emitted only when leaving succeeds (unlike editingFinished).
#include "widgets/core/TUlvaneEditRules.h"

#include <QClipboard>
#include <QLineEdit>
#include <functional>

class QMenu;

class TUlvaneEdit : public QLineEdit {
  Q_OBJECT
public:
  // Mask "0", range -32768..32767, floating, decimals padded, an empty box becomes "0".
  explicit TUlvaneEdit(QWidget* parent = nullptr);

  QString About() const { return QStringLiteral("v1.0"); }
  void SetAbout(const QString&) {}
  QString EditMask() const { return rules_.EditMask(); }
  // Repairs the mask (each repair shown as a plain message) and takes the range it allows.
  void SetEditMask(const QString& mask);
  QString RangeHigh() const { return rules_.RangeHigh(); }
  void SetRangeHigh(const QString& value) { rules_.SetRangeHigh(value); }
  QString RangeLow() const { return rules_.RangeLow(); }
  void SetRangeLow(const QString& value) { rules_.SetRangeLow(value); }
  bool PopulateZeros() const { return rules_.PopulateZeros(); }
  void SetPopulateZeros(bool on) { rules_.SetPopulateZeros(on); }
  TDataType DataType() const { return rules_.DataType(); }
  // An integer control loses the mask's decimal part, with a plain message.
  void SetDataType(TDataType type);
  bool LeaveBlank() const { return rules_.LeaveBlank(); }
  void SetLeaveBlank(bool on) { rules_.SetLeaveBlank(on); }
  bool HasDollar() const { return rules_.HasDollar(); }
  bool HasPeriod() const { return rules_.HasPeriod(); }
  bool NegativeAllowed() const { return rules_.NegativeAllowed(); }
  QString LastText() const { return rules_.LastText(); }

  // The value operations. A text that does not convert shows an error box and reads as 0.
  qint32 GetIntValue();
  void SetIntValue(qint32 value);
  double GetFloatValue();
  void SetFloatValue(double value);

  // The context menu, with its Paste held to the mask like typed keys.
  QMenu* ContextMenu();
  // Pastes the clipboard's text when the whole resulting text fits the mask; beeps otherwise.
  void PasteFrom(QClipboard::Mode mode = QClipboard::Clipboard);

  // Each accepted typed key, Backspace ('\b') and Enter ('\r'), before it is typed; setting
  // the key to a null character drops it. A key that replaces a selection does not pass here.
  std::function<void(QObject*, QChar&)> OnKeyPress;

Q_SIGNALS:
  // The text changed, and the change was kept.
  void changed();
  // Leaving succeeded: the number is in range and padded.
  void exited();

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  TUlvaneEditRules::Edit CurrentEdit() const;
  void TypeKey(QChar key);
  bool PassesKeyPress(QChar& key);
  void TextChanged(const QString& text);
  // Puts a text of the control's own in, keeping whether the user modified it.
  void ReplaceText(const QString& text);
  // Runs after the focus has gone: takes the text, or brings the user back with the message.
  void FinishLeaving(bool quiet);
  void ShowPlain(const QString& text);
  void ShowError(const QString& text);

  TUlvaneEditRules rules_;
  bool reverting_ = false;
  bool inside_ = false; // entered and not left (a window or popup taking the focus is no leaving)
};
