#include "widgets/TWdgBaseEntryField.h"

#include "widgets/TWdgCaretPair.h"
#include "widgets/TWdgController.h"
#include "widgets/TWdgEfColors.h"
#include "widgets/WdgCaretPainter.h"
#include "widgets/WdgEntryFieldMenu.h"
#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgExceptions.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace {
// Commands that change the text: a read-only field refuses them.
bool ChangesText(quint16 code) {
  switch (code) {
  case ccBack: case ccCtrlChar: case ccCut: case ccDec: case ccDel: case ccDelBol: case ccDelEol:
  case ccDelLine: case ccDelWord: case ccInc: case ccPaste: case ccRestore:
  case TWdgBaseEntryField::kTypedChar:
    return true;
  default:
    return false;
  }
}

// Keys the window handles: the default and cancel buttons.
bool IsDialogKey(const QKeyEvent* event) {
  const int key = event->key();
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  return plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape);
}

// Keys the field claims before the window's shortcuts: its command keys and typed characters.
// Tab, the dialog keys and Alt with a letter (a label's or button's mnemonic) stay the window's.
bool IsFieldKey(const QKeyEvent* event) {
  const int key = event->key();
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab || IsDialogKey(event)) return false;
  if (mods & Qt::AltModifier) return key == Qt::Key_Backspace && !(mods & Qt::ControlModifier);
  if (!(mods & Qt::ControlModifier)) return true;
  switch (key) {
  case Qt::Key_Z: case Qt::Key_X: case Qt::Key_C: case Qt::Key_V: case Qt::Key_Insert:
  case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home: case Qt::Key_End:
    return true;
  default:
    return false;
  }
}
} // namespace

TWdgBaseEntryField::TWdgBaseEntryField(QWidget* parent)
    : QLineEdit(parent), colors_(new TWdgEfColors(QApplication::palette(this), this)),
      carets_(new TWdgCaretPair(this)), blink_(new QTimer(this)) {
  options_ = TWdgEntryFieldOptions(efoCaretToEnd) | efoTrimBlanks;
  // The line edit only shows the text: the field edits it and draws its own caret.
  QLineEdit::setReadOnly(true);
  connect(carets_, &TWdgSingleCaret::Changed, this, [this] { update(); });
  connect(colors_, &TWdgEfColors::Changed, this, &TWdgBaseEntryField::ShowColors);
  connect(blink_, &QTimer::timeout, this, [this] {
    caretOn_ = !caretOn_;
    update();
  });
  setDragEnabled(false);
  setAcceptDrops(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::IBeamCursor);
  resize(130, 25);
}

TWdgBaseEntryField::~TWdgBaseEntryField() = default;

TWdgController* TWdgBaseEntryField::Controller() const {
  return TWdgController::For(const_cast<TWdgBaseEntryField*>(this));
}

void TWdgBaseEntryField::SetOptions(TWdgEntryFieldOptions options) {
  if (options.testFlag(efoForceInsert)) options &= ~TWdgEntryFieldOptions(efoForceOvertype);
  options = AdjustOptions(options);
  if (options == options_) return;
  options_ = options;
  Refresh();
}

void TWdgBaseEntryField::Beep() const { Controller()->Beep(); }

// ---- text and selection

QString TWdgBaseEntryField::GetDisplayString() const {
  QString shown = EditString();
  // Control characters show as letters: code 1 as "A".
  for (QChar& c : shown)
    if (c.unicode() < 32) c = QChar(c.unicode() + 64);
  const bool hide = zeroDisplay_ == zdHide ||
                    (zeroDisplay_ == zdHideUntilModified && !modified_ && !everModified_);
  if (HoldsNumber() && hide && !hasFocus_) {
    bool read = false;
    const double value = GetStrippedText().trimmed().toDouble(&read);
    if (read && value == zeroDisplayValue_) shown.fill(u' ');
  }
  return shown;
}

void TWdgBaseEntryField::SetZeroDisplay(TZeroDisplay display) {
  if (display == zeroDisplay_) return;
  zeroDisplay_ = display;
  Refresh();
}

void TWdgBaseEntryField::SetZeroDisplayValue(double value) {
  if (value == zeroDisplayValue_) return;
  zeroDisplayValue_ = value;
  Refresh();
}

void TWdgBaseEntryField::SetTextMargin(int margin) {
  if (margin <= 1 || margin == textMargin_) return;
  textMargin_ = margin;
  // The line edit keeps a margin of its own, the library's default of 2.
  setTextMargins(margin - 2, 0, margin - 2, 0);
  PositionCaret();
}

void TWdgBaseEntryField::SetUninitialized(bool uninitialized) {
  if (uninitialized == uninitialized_) return;
  uninitialized_ = uninitialized;
  Refresh();
}

bool TWdgBaseEntryField::IsEmpty() const { return EditString().trimmed().isEmpty(); }

void TWdgBaseEntryField::PlaceCaret() {
  setCursorPosition(options_.testFlag(efoCaretToEnd) ? int(text().size()) : 0);
}

void TWdgBaseEntryField::Refresh() {
  const QString shown = GetDisplayString();
  if (shown != text()) {
    const bool all = hasSelectedText();
    const int caret = cursorPosition();
    setText(shown);
    if (all && IsNumericClass()) selectAll();
    else setCursorPosition(IsNumericClass() ? int(shown.size()) : qMin(caret, int(shown.size())));
  }
  ShowColors();
  PositionCaret();
}

void TWdgBaseEntryField::SetInsertMode(bool insert) {
  insert_ = insert;
  carets_->SetInsertMode(insert);
  PositionCaret();
}

void TWdgBaseEntryField::PositionCaret() {
  if (!hasFocus_) return;
  const QRect cursor = cursorRect();
  carets_->SetLineHeight(qMax(1, cursor.height() - 2));
  carets_->SetCharWidth(qMax(1, fontMetrics().horizontalAdvance(u'0')));
  int x = cursor.center().x();
  const TWdgCaret& look = *carets_->Caret();
  // A block, or any caret wider than a line, covers the character before the position.
  if (look.Shape() != csVertLine || look.CaretWidth() > 4) x -= carets_->Size().width();
  carets_->SetPosition(qMax(0, x), cursor.top() + 1);
  update();
}

void TWdgBaseEntryField::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!caretOn_ || !hasFocus_ || !isEnabled()) return;
  QPainter painter(this);
  PaintCaret(painter, *carets_);
}

void TWdgBaseEntryField::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  PositionCaret();
}

void TWdgBaseEntryField::SetSelection(int start, int end) {
  if (end < start) return;
  const int length = int(text().size());
  start = qMin(start, length);
  end = qMin(end, length);
  if (start == end) {
    deselect();
    if (IsNumericClass()) setCursorPosition(length);
    return;
  }
  if (IsNumericClass()) selectAll();
  else setSelection(start, end - start);
}

void TWdgBaseEntryField::ShowColors() {
  // A disabled field shows its disabled pair (and no selection), one marked invalid under
  // soft validation its error pair, selected text the highlight pair.
  QPalette colors = QApplication::palette(this);
  colors.setColor(QPalette::Disabled, QPalette::Base, colors_->Disabled().BackColor());
  colors.setColor(QPalette::Disabled, QPalette::Text, colors_->Disabled().TextColor());
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    colors.setColor(group, QPalette::Highlight, colors_->Highlight().BackColor());
    colors.setColor(group, QPalette::HighlightedText, colors_->Highlight().TextColor());
    if (invalid_) {
      colors.setColor(group, QPalette::Base, colors_->Error().BackColor());
      colors.setColor(group, QPalette::Text, colors_->Error().TextColor());
    }
  }
  setPalette(colors);
}

void TWdgBaseEntryField::MarkModified() {
  modified_ = true;
  everModified_ = true;
  DoOnChange();
}

void TWdgBaseEntryField::ClearModified() {
  modified_ = false;
  everModified_ = false;
}

void TWdgBaseEntryField::DoOnChange() {
  if (!settingValue_ && OnChange) OnChange(this);
}

int TWdgBaseEntryField::RunUserValidation(int code) {
  if (inUserValidation_ || !OnUserValidation) return code;
  inUserValidation_ = true;
  OnUserValidation(this, code);
  inUserValidation_ = false;
  return code;
}

// ---- commands

void TWdgBaseEntryField::DoCommand(quint16 code, QChar typed, const QString& pasted) {
  if (code == kTypedChar && typed.isNull()) return;
  if (IsReadOnly() && ChangesText(code)) {
    Beep();
    return;
  }
  if (code >= 256) {
    if (OnUserCommand) OnUserCommand(this, code);
    code = CmdBadSequence;
  }
  EditCommand(code, typed, pasted);
}

void TWdgBaseEntryField::keyPressEvent(QKeyEvent* event) {
  if (IsDialogKey(event) || event->key() == Qt::Key_Shift) {
    event->ignore();
    return;
  }
  quint16 code = Controller()->EntryCommands().KeyToCommand(event->key(), event->modifiers());
  if (code == ccUndo) code = ccRestore;
  if (code == ccNone) return;
  if (code == ccIns && (options_ & (efoForceInsert | efoForceOvertype))) return;
  switch (code) {
  case ccCopy: CopyToClipboard(); break;
  case ccCut:
    CopyToClipboard();
    DoCommand(ccCut);
    break;
  case ccPaste: PasteFromClipboard(); break;
  case CmdPlainKey: {
    // An ordinary key: its character, if it has one, is typed.
    const QString chars = event->text();
    if (!chars.isEmpty()) DoCommand(kTypedChar, chars.front());
    break;
  }
  default: DoCommand(code); break;
  }
  event->accept();
}

void TWdgBaseEntryField::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

void TWdgBaseEntryField::CopyToClipboard() {
  if (!hasSelectedText()) return;
  QGuiApplication::clipboard()->setText(selectedText());
}

void TWdgBaseEntryField::PasteFromClipboard() {
  const QString pasted = QGuiApplication::clipboard()->text();
  if (!pasted.isEmpty()) DoCommand(ccPaste, QChar(), pasted);
}

void TWdgBaseEntryField::SaveForRestore() {
  savedText_ = EditString();
  hasSavedText_ = true;
}

void TWdgBaseEntryField::Restore() {
  if (!hasSavedText_) return;
  SetEditString(savedText_);
  modified_ = false;
  Refresh();
  PlaceCaret();
  selectAll();
  DoOnChange();
}

// ---- mouse: a click deselects, a drag does nothing, a double click selects everything

void TWdgBaseEntryField::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  if (!hasFocus()) {
    mouseFocus_ = true;
    deselect();
    setFocus(Qt::MouseFocusReason);
  }
  if (hasFocus()) DoCommand(kMousePress);
  event->accept();
}

void TWdgBaseEntryField::mouseMoveEvent(QMouseEvent* event) {
  if (hasFocus() && (event->buttons() & Qt::LeftButton)) DoCommand(kMouseDrag);
  event->accept();
}

void TWdgBaseEntryField::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void TWdgBaseEntryField::mouseDoubleClickEvent(QMouseEvent* event) {
  if (hasFocus() && event->button() == Qt::LeftButton) DoCommand(kDoubleClick);
  event->accept();
}

void TWdgBaseEntryField::contextMenuEvent(QContextMenuEvent* event) {
  if (!hasFocus() && isEnabled()) setFocus(Qt::MouseFocusReason);
  std::unique_ptr<QMenu> menu(CreateDefaultMenu());
  menu->exec(event->globalPos());
  QCoreApplication::sendPostedEvents();
}

QMenu* TWdgBaseEntryField::CreateDefaultMenu() { return CreateEntryFieldMenu(*this); }

bool TWdgBaseEntryField::event(QEvent* event) {
  // Alt+Backspace is the field's Restore, not a shortcut of the window.
  if (event->type() == QEvent::ShortcutOverride && IsFieldKey(static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QLineEdit::event(event);
}

void TWdgBaseEntryField::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    if (!isEnabled()) deselect();
    ShowColors();
  }
}

// ---- moving on

bool TWdgBaseEntryField::MoveToNext() { return focusNextChild(); }
bool TWdgBaseEntryField::MoveToPrevious() { return focusPreviousChild(); }

bool TWdgBaseEntryField::AutoAdvance(bool forward, bool typedChar) {
  const TWdgBaseEFOptions entry = Controller()->EntryOptions();
  if (!forward) return entry.testFlag(efoAutoAdvanceLeftRight) && MoveToPrevious();
  const bool allowed = typedChar ? entry.testFlag(efoAutoAdvanceChar)
                                 : entry.testFlag(efoAutoAdvanceLeftRight);
  return allowed && MoveToNext();
}

// ---- values

int32_t TWdgBaseEntryField::GetIntValue() { throw EInvalidDataType(); }
void TWdgBaseEntryField::SetIntValue(int32_t) { throw EInvalidDataType(); }

// ---- the focus protocol

namespace {
// The widget that had the focus before the one getting it now: the control being left.
QPointer<QWidget>& PreviousFocus() {
  static QPointer<QWidget> previous;
  static QPointer<QWidget> current;
  static const bool connected = [] {
    QObject::connect(qApp, &QApplication::focusChanged,
                     [](QWidget*, QWidget* now) { current = now; });
    return true;
  }();
  Q_UNUSED(connected);
  previous = current;
  return previous;
}
} // namespace

QWidget* TWdgBaseEntryField::FocusTarget(const QFocusEvent* event) const {
  // Another window, a menu (the field's own context menu too) or the window itself being
  // left: nothing in the window is the target.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
    return nullptr;
  QWidget* target = QApplication::focusWidget();
  if (!target || target == this) return nullptr;
  if (target->window() == window()) return target;
  QWidget* parent = target->parentWidget();
  return parent && parent->window() == window() ? target : nullptr;
}

void TWdgBaseEntryField::focusInEvent(QFocusEvent* event) {
  QWidget* losing = PreviousFocus();
  TWdgController* controller = Controller();
  hasFocus_ = true;
  controller->EntryCommands().ResetSequence();
  if (!(options_ & (efoForceInsert | efoForceOvertype))) insert_ = controller->InsertMode();
  // Back from another window, or the refocus after an error: the visit goes on.
  const bool returning = leftForm_;
  bool pending = false;
  bool autoSelect = false;
  bool placed = false;
  if (!returning) {
    // Another field's error is being shown: this visit is only the way back to it.
    pending = controller->ErrorPending() && lastError_ == 0;
    if (!pending) {
      if (!notHandedOff_) modified_ = false;
      controller->PostPreEdit(this, losing);
      SaveForRestore();
    }
    if (!mouseFocus_ && event->reason() != Qt::MouseFocusReason) {
      placed = true;
      autoSelect = !pending;
    }
  }
  skipExitCheck_ = pending && !options_.testFlag(efoSoftValidation);
  errorReported_ = false;
  leftForm_ = false;
  mouseFocus_ = false;
  notHandedOff_ = false;
  if (!pending) controller->SetErrorPending(false);
  QLineEdit::focusInEvent(event);
  if (options_.testFlag(efoForceInsert)) insert_ = true;
  if (options_.testFlag(efoForceOvertype)) insert_ = false;
  carets_->SetInsertMode(insert_);
  carets_->Link();
  carets_->Show();
  caretOn_ = true;
  blink_->start(carets_->BlinkInterval());
  // The text shown may differ with the focus (a hidden zero); then the selection: the line
  // edit selects everything on a Tab, the field decides for itself.
  Refresh();
  if (returning) {
    if (selectedAtExit_) selectAll();
    else SetSelection(0, 0);
  } else if (autoSelect && controller->EntryOptions().testFlag(efoAutoSelect)) {
    selectAll();
  } else {
    deselect();
    if (placed) PlaceCaret();
  }
}

void TWdgBaseEntryField::focusOutEvent(QFocusEvent* event) {
  TWdgController* controller = Controller();
  QWidget* target = FocusTarget(event);
  leftForm_ = target == nullptr;
  selectedAtExit_ = hasSelectedText();
  blink_->stop();
  caretOn_ = false;
  carets_->Hide();
  carets_->Unlink();
  QLineEdit::focusOutEvent(event);
  if (!(options_ & (efoForceInsert | efoForceOvertype))) controller->SetInsertMode(insert_);
  if (errorReported_ || skipExitCheck_) {
    notHandedOff_ = errorReported_;
  } else {
    notHandedOff_ = true;
    if (target) {
      if (modified_) uninitialized_ = false;
      if (controller->IsSpecialControl(target)) {
        // Leaving for a control such as Cancel: the value is checked but not reported.
        const bool wasModified = modified_;
        validating_ = true;
        lastError_ = CheckField();
        validating_ = false;
        modified_ = wasModified;
      } else {
        Validate(true);
      }
      notHandedOff_ = errorReported_;
    }
  }
  hasFocus_ = false;
  if (target && !leftForm_ && !skipExitCheck_) controller->PostPostEdit(this, target);
  skipExitCheck_ = false;
  if (!leftForm_) Refresh();
}

int TWdgBaseEntryField::FieldError() {
  if (options_.testFlag(efoInputRequired) && !IsReadOnly() &&
      (IsEmpty() || (uninitialized_ && !modified_)))
    return 258;
  validating_ = true;
  const int error = CheckField();
  validating_ = false;
  return error;
}

bool TWdgBaseEntryField::Validate(bool soft) {
  if (!isVisible() || !isEnabled()) return true;
  lastError_ = FieldError();
  if (lastError_ == 0) {
    invalid_ = false;
    ShowColors();
    return true;
  }
  if (soft && options_.testFlag(efoSoftValidation)) {
    invalid_ = true;
    ShowColors();
    return true;
  }
  invalid_ = options_.testFlag(efoSoftValidation);
  errorReported_ = true;
  if (hasFocus_) leftForm_ = true;
  ReportError();
  return false;
}

void TWdgBaseEntryField::ReportError() {
  // The focus comes back first, so that the box, when it closes, returns it to this field.
  TWdgController* controller = Controller();
  controller->PostShowControl(this);
  std::function<void(QWidget*, int, const QString&)> fieldOnError;
  if (OnError) {
    QPointer<TWdgBaseEntryField> field(this);
    fieldOnError = [field](QWidget*, int code, const QString& text) {
      if (field && field->OnError) field->OnError(field, code, text);
    };
  }
  controller->PostEntryError(this, lastError_, fieldOnError);
  controller->SetErrorPending(true);
}

bool TWdgBaseEntryField::ValidateForAccept() {
  if (!isVisible() || !isEnabled()) return true;
  if (CheckValue(false) == 0) return true;
  // The field keeps (or gets) the focus the ordinary way: no leave is in progress.
  ReportError();
  return false;
}

int TWdgBaseEntryField::CheckValue(bool report) {
  if (!isEnabled()) return 0;
  lastError_ = FieldError();
  if (report && lastError_ != 0) Controller()->PostEntryError(this, lastError_);
  const bool wasInvalid = invalid_;
  if (lastError_ == 0) invalid_ = false;
  else if (options_.testFlag(efoSoftValidation)) invalid_ = true;
  if (wasInvalid != invalid_) ShowColors();
  return lastError_;
}
