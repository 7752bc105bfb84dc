#pragma once
// The editable string cell: paints its data as text and edits it in place with a frameless
// line editor that holds at most MaxLength characters. The table opens and closes the editor;
// the cell only makes it and fills it.
#include "widgets/TWdgTCBaseString.h"

#include <functional>

class TWdgTCStringEdit;

class TWdgTCString : public TWdgTCBaseString {
  Q_OBJECT
public:
  explicit TWdgTCString(QObject* owner = nullptr);

  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  // Moves to the next cell once the text has reached MaxLength.
  bool AutoAdvanceChar() const { return autoAdvanceChar_; }
  void SetAutoAdvanceChar(bool on) { autoAdvanceChar_ = on; }
  // Left at the start of the text, or Right at its end (or with all of it selected), leaves
  // the cell for its neighbour.
  bool AutoAdvanceLeftRight() const { return autoAdvanceLeftRight_; }
  void SetAutoAdvanceLeftRight(bool on) { autoAdvanceLeftRight_ = on; }
  // The editor's text changed.
  std::function<void(TWdgTCStringEdit*)> OnChange;

  // The text as it is saved: the editor's text cut to MaxLength.
  QString SavedText(const QString& editorText) const { return editorText.left(maxLength_); }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  // Saving goes through the table alone (StopCellEdit), never through the view's commit.
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

private:
  int maxLength_ = 0;
  bool autoAdvanceChar_ = false;
  bool autoAdvanceLeftRight_ = false;
};
