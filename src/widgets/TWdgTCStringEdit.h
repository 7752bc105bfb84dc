#pragma once
// The string cell's in-place editor. Keys that belong to the table (navigation, Esc, F2) are
// handed to the table, which ends the edit and moves; the rest edit the text.
#include <QLineEdit>
#include <QPointer>

class TWdgTCString;
class TWdgTable;

class TWdgTCStringEdit : public QLineEdit {
  Q_OBJECT
public:
  TWdgTCStringEdit(TWdgTCString& cell, TWdgTable* table, QWidget* parent);
  TWdgTCString& Cell() const { return cell_; }

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  // Whether the key leaves the editor for the table.
  bool GoesToTable(int key, Qt::KeyboardModifiers modifiers) const;

  TWdgTCString& cell_;
  QPointer<TWdgTable> table_;
};
