#include "widgets/TWdgTCString.h"

#include "widgets/TWdgTCStringEdit.h"
#include "widgets/TWdgTable.h"

TWdgTCString::TWdgTCString(QObject* owner) : TWdgTCBaseString(owner) {}

void TWdgTCString::SetMaxLength(int length) {
  if (length < 0 || length == maxLength_) return;
  maxLength_ = length;
  DoChanged();
}

QWidget* TWdgTCString::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
  auto* self = const_cast<TWdgTCString*>(this);
  auto* editor = new TWdgTCStringEdit(*self, Table(), parent);
  editor->setFrame(false);
  editor->setMaxLength(maxLength_);
  editor->setToolTip(Hint());
  if (Table()) {
    Table()->StyleEditor(*editor, index);
    Table()->EditorCreated(editor);
  }
  QObject::connect(editor, &QLineEdit::textChanged, editor, [self, editor] {
    if (self->OnChange) self->OnChange(editor);
  });
  return editor;
}

void TWdgTCString::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(editor);
  if (!edit || !Table()) return;
  const QString* data = Table()->ModelCellData(index, cdpEdit);
  edit->setText(data ? *data : QString());
}

void TWdgTCString::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(editor);
  if (Table() && edit) Table()->PlaceEditor(*edit, option.rect, index);
  else editor->setGeometry(option.rect);
}
