#pragma once
// The single-line entry control the picture and numeric fields derive from. Keys become
// editing commands through the controller's command tables; the descendant's EditCommand
// changes the text. The field checks its value when the user leaves it for another control of
// the same window, and takes the focus back (before the error box shows) when the check fails.
#include <QFlags>
#include <QLineEdit>
#include <QPointer>
#include <functional>

class QMenu;
class QTimer;
class TWdgCaretPair;
class TWdgEfColors;
class TWdgController;

enum TWdgEntryFieldOption {
  efoArrowIncDec = 0x1,
  efoCaretToEnd = 0x2,
  efoForceInsert = 0x4,
  efoForceOvertype = 0x8,
  efoInputRequired = 0x10,
  efoPasswordMode = 0x20,
  efoReadOnly = 0x40,
  efoRightAlign = 0x80,
  efoRightJustify = 0x100,
  efoSoftValidation = 0x200,
  efoStripLiterals = 0x400,
  efoTrimBlanks = 0x800,
};
Q_DECLARE_FLAGS(TWdgEntryFieldOptions, TWdgEntryFieldOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TWdgEntryFieldOptions)

// When a number field holding its "zero" value shows blanks instead, while it has no focus.
enum TZeroDisplay { zdShow, zdHide, zdHideUntilModified };

class TWdgBaseEntryField : public QLineEdit {
  Q_OBJECT
public:
  // Codes a command can carry besides the command tables' own.
  enum SpecialCommand : quint16 {
    kTypedChar = 249,
    kMousePress = 250,
    kMouseDrag = 251,
    kDoubleClick = 253,
  };

  explicit TWdgBaseEntryField(QWidget* parent = nullptr);
  ~TWdgBaseEntryField() override;

  // The controller of the field's window (made on first use).
  TWdgController* Controller() const;

  TWdgEntryFieldOptions Options() const { return options_; }
  void SetOptions(TWdgEntryFieldOptions options);
  bool IsReadOnly() const { return options_.testFlag(efoReadOnly); }

  // 0, or the code of the last check: 256 out of range, 257 not a number, 258 required.
  int LastError() const { return lastError_; }
  bool Modified() const { return modified_; }
  bool EverModified() const { return everModified_; }
  // Marked by a failed check under soft validation: painted in the error colours.
  bool Invalid() const { return invalid_; }
  bool InsertMode() const { return insert_; }

  TZeroDisplay ZeroDisplay() const { return zeroDisplay_; }
  void SetZeroDisplay(TZeroDisplay display);
  double ZeroDisplayValue() const { return zeroDisplayValue_; }
  void SetZeroDisplayValue(double value);
  // Pixels between the frame and the text; values below 2 are ignored.
  int TextMargin() const { return textMargin_; }
  void SetTextMargin(int margin);
  // Shows blanks until the field first has the focus and is changed.
  bool Uninitialized() const { return uninitialized_; }
  void SetUninitialized(bool uninitialized);

  // The field's check. A hidden or disabled field is valid. On failure the field takes the
  // focus back and the error is reported once through the controller, unless `soft` and the
  // field has soft validation, which only marks it.
  bool Validate(bool soft = false);
  // The check a dialog's accept runs on each field: a failing field gets the focus and the
  // error box, whether or not it has the focus now. False when the field fails.
  bool ValidateForAccept();
  // The check without the focus protocol; with `report` a failure is reported (no refocus).
  int CheckValue(bool report);

  // Runs a command as a key bound to it would: refused with a beep on a read-only field
  // when it would change the text.
  void DoCommand(quint16 code, QChar typed = QChar(), const QString& pasted = QString());

  // Back to the text the field had when the focus arrived.
  virtual void Restore();
  void CopyToClipboard();
  void PasteFromClipboard();
  // The field's own context menu, made for one showing (the caller owns it).
  QMenu* CreateDefaultMenu();

  // Colours of the disabled field, of a field marked invalid, and of the selected text.
  TWdgEfColors& EFColors() const { return *colors_; }

  // The insert caret (a vertical line) and the overwrite caret (a block); the field's insert
  // mode picks the one drawn.
  TWdgCaretPair& Carets() const { return *carets_; }
  // Whether the caret is drawn now (it blinks while the field has the focus).
  bool CaretOn() const { return caretOn_; }

  // Integer value accessors; a field without an integer value raises EInvalidDataType.
  virtual int32_t GetIntValue();
  virtual void SetIntValue(int32_t value);

  std::function<void(QObject*)> OnChange;
  std::function<void(QObject*, int, const QString&)> OnError;
  std::function<void(QObject*, quint16)> OnUserCommand;
  std::function<void(QObject*, int&)> OnUserValidation;

protected:
  // The descendant changes its text for the command.
  virtual void EditCommand(quint16 code, QChar typed, const QString& pasted) = 0;
  // The descendant's own check of its text: an error code, 0 when good.
  virtual int CheckField() = 0;
  // The text as edited, one character a position, and what the field shows of it.
  virtual QString EditString() const = 0;
  virtual void SetEditString(const QString& text) = 0;
  virtual QString GetDisplayString() const;
  // The options the kind of field allows, out of those asked for.
  virtual TWdgEntryFieldOptions AdjustOptions(TWdgEntryFieldOptions options) const { return options; }
  virtual bool IsEmpty() const;
  virtual void PlaceCaret();
  // Numeric fields select all or nothing, their caret stays at the right edge.
  virtual bool IsNumericClass() const { return false; }
  // The value is a number (the zero display applies), and the text without its picture.
  virtual bool HoldsNumber() const { return false; }
  virtual QString GetStrippedText() const { return EditString(); }

  // Shows the edit string again, keeping the selection.
  void Refresh();
  void SetSelection(int start, int end);
  bool HasSelection() const { return hasSelectedText(); }
  void MarkModified();
  void SetInsertMode(bool insert);
  // Where the caret stands: after the text, or on the last character for a block.
  void PositionCaret();
  void ClearModified();
  void DoOnChange();
  void Beep() const;
  int RunUserValidation(int code);
  bool AutoAdvance(bool forward, bool typedChar);
  bool MoveToNext();
  bool MoveToPrevious();

  // True while the field's text is written by a value setter, read by a value getter, or
  // checked by the field itself.
  bool settingValue_ = false;
  bool gettingValue_ = false;
  bool validating_ = false;
  // The focus left for another window, or an error report is taking it back.
  bool leftForm_ = false;
  bool hasFocus_ = false;
  bool insert_ = true;
  bool uninitialized_ = false;
  int lastError_ = 0;

  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

private:
  // The error of the present text: 258 for a required field left empty, else the field's check.
  int FieldError();
  void ReportError();
  QWidget* FocusTarget(const QFocusEvent* event) const;
  void SaveForRestore();
  void ShowColors();

  TWdgEntryFieldOptions options_;
  TWdgEfColors* colors_;
  TWdgCaretPair* carets_;
  QTimer* blink_;
  bool caretOn_ = false;
  bool modified_ = false;
  bool everModified_ = false;
  bool invalid_ = false;
  bool notHandedOff_ = false;
  bool mouseFocus_ = false;
  bool skipExitCheck_ = false;
  bool errorReported_ = false;
  bool inUserValidation_ = false;
  bool selectedAtExit_ = false;
  bool hasSavedText_ = false;
  QString savedText_;
  TZeroDisplay zeroDisplay_ = zdShow;
  double zeroDisplayValue_ = 0.0;
  int textMargin_ = 2;
};
