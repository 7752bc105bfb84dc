#include "widgets/TUlvaneEdit.h"

#include "widgets/WdgBeeper.h"
#include "widgets/WdgMessageSink.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

namespace {
// The control that is taking the focus back after a range error. Another control that loses
// the focus to it does not report its own error then: two wrong boxes would otherwise pull the
// focus back and forth, each with a message.
QPointer<TUlvaneEdit> returning;

// The window or a popup took the focus for a while; the user has not left the box.
bool IsPause(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}
} // namespace

TUlvaneEdit::TUlvaneEdit(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(rules_.Mask().MaxLength());
  setAcceptDrops(false);
  // Composed input would bypass the key filter.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  connect(this, &QLineEdit::textChanged, this, &TUlvaneEdit::TextChanged);
}

void TUlvaneEdit::SetEditMask(const QString& mask) {
  QString shown = text();
  for (const QString& message : rules_.SetEditMask(mask, shown)) ShowPlain(message);
  setMaxLength(rules_.Mask().MaxLength());
  if (shown != text()) setText(shown);
}

void TUlvaneEdit::SetDataType(TDataType type) {
  if (const auto message = rules_.SetDataType(type)) ShowPlain(*message);
}

qint32 TUlvaneEdit::GetIntValue() {
  const auto read = rules_.IntValue(text());
  if (!read.error.isEmpty()) ShowError(read.error);
  return read.value;
}

void TUlvaneEdit::SetIntValue(qint32 value) { setText(rules_.IntText(value)); }

double TUlvaneEdit::GetFloatValue() {
  const auto read = rules_.FloatValue(text());
  if (!read.error.isEmpty()) ShowError(read.error);
  return read.value;
}

void TUlvaneEdit::SetFloatValue(double value) {
  const auto written = rules_.FloatText(value);
  if (!written.error.isEmpty()) return ShowError(written.error);
  setText(written.value);
}

QMenu* TUlvaneEdit::ContextMenu() {
  QMenu* menu = createStandardContextMenu();
  // The standard Paste is named in newer Qt versions; older ones show its shortcut.
  const QString pasteKeys = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
  for (QAction* action : menu->actions()) {
    if (action->objectName() != QLatin1String("edit-paste") && !action->text().endsWith(pasteKeys)) continue;
    action->setObjectName(QStringLiteral("edit-paste"));
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this] { PasteFrom(QClipboard::Clipboard); });
  }
  return menu;
}

void TUlvaneEdit::PasteFrom(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString pasted = QApplication::clipboard()->text(mode);
  if (!rules_.Inserted(CurrentEdit(), pasted)) return TWdgBeeper::Current().Beep();
  insert(rules_.InsertedPart(pasted));
}

void TUlvaneEdit::keyPressEvent(QKeyEvent* event) {
  if (isReadOnly()) return QLineEdit::keyPressEvent(event);
  const bool shiftInsert = event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier;
  if (event->matches(QKeySequence::Paste) || shiftInsert) {
    PasteFrom(QClipboard::Clipboard);
    return event->accept();
  }
  const int key = event->key();
  if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter) {
    QChar passed = key == Qt::Key_Backspace ? QLatin1Char('\b') : QLatin1Char('\r');
    if (!PassesKeyPress(passed)) return event->accept();
    return QLineEdit::keyPressEvent(event);
  }
  const QString typed = event->text();
  if (typed.isEmpty() || !typed.front().isPrint()) return QLineEdit::keyPressEvent(event);
  for (const QChar c : typed) TypeKey(c);
  event->accept();
}

void TUlvaneEdit::TypeKey(QChar key) {
  switch (rules_.Filter(key, CurrentEdit())) {
  case TUlvaneEditRules::Key::Refused:
    return;
  case TUlvaneEditRules::Key::Typed:
    if (!PassesKeyPress(key)) return;
    break;
  case TUlvaneEditRules::Key::ReplacesSelection:
    break;
  }
  insert(QString(key));
}

bool TUlvaneEdit::PassesKeyPress(QChar& key) {
  if (OnKeyPress) OnKeyPress(this, key);
  return !key.isNull();
}

TUlvaneEditRules::Edit TUlvaneEdit::CurrentEdit() const {
  if (hasSelectedText()) return {text(), selectionStart(), int(selectionLength())};
  return {text(), cursorPosition(), 0};
}

void TUlvaneEdit::TextChanged(const QString& changed) {
  if (reverting_) return;
  if (rules_.Change(changed)) {
    Q_EMIT this->changed();
    return;
  }
  const int caret = cursorPosition();
  reverting_ = true;
  ReplaceText(rules_.LastText());
  reverting_ = false;
  setCursorPosition(caret);
}

void TUlvaneEdit::ReplaceText(const QString& replacement) {
  const bool modified = isModified();
  setText(replacement);
  setModified(modified);
}

void TUlvaneEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (inside_) return; // back from a pause
  inside_ = true;
  const QString entered = rules_.Entered(text());
  if (entered != text()) ReplaceText(entered);
  selectAll();
}

void TUlvaneEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (IsPause(event->reason())) return;
  inside_ = false;
  const bool quiet = returning && returning != this;
  // No box may show while the focus is still moving: the check runs once it has settled.
  QTimer::singleShot(0, this, [this, quiet] { FinishLeaving(quiet); });
}

void TUlvaneEdit::FinishLeaving(bool quiet) {
  // Back already, or the window has closed (Esc, Cancel): this is no leaving to report.
  if (hasFocus() || !isVisible()) return;
  const auto left = rules_.Leave(text());
  if (left.text != text()) ReplaceText(left.text);
  switch (left.outcome) {
  case TUlvaneEditRules::Leaving::StaysBlank:
    return;
  case TUlvaneEditRules::Leaving::Left:
    setCursorPosition(0);
    Q_EMIT exited();
    return;
  case TUlvaneEditRules::Leaving::OutOfRange:
    if (quiet) return;
    // The focus is back before the box shows, so that closing the box returns to this box.
    returning = this;
    setFocus(Qt::OtherFocusReason);
    returning = nullptr;
    ShowPlain(rules_.RangeMessage());
    return;
  }
}

void TUlvaneEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = ContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void TUlvaneEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    if (QApplication::clipboard()->supportsSelection()) PasteFrom(QClipboard::Selection);
    return event->accept();
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TUlvaneEdit::dropEvent(QDropEvent* event) {
  const QString dropped = event->mimeData()->text();
  const TUlvaneEditRules::Edit at{text(), cursorPositionAt(event->position().toPoint()), 0};
  if (isReadOnly() || !rules_.Inserted(at, dropped)) return event->ignore();
  setCursorPosition(at.caret);
  insert(rules_.InsertedPart(dropped));
  event->acceptProposedAction();
}

void TUlvaneEdit::ShowPlain(const QString& message) {
  TWdgMessageSink::Current().Show(this, TWdgMessageSink::Kind::Plain, QApplication::applicationDisplayName(), message);
}

void TUlvaneEdit::ShowError(const QString& message) {
  TWdgMessageSink::Current().Show(this, TWdgMessageSink::Kind::Error, QStringLiteral("Error"), message);
}
