#pragma once
// A captioned group of radio buttons chosen by item index, as the setup windows use them.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

class TRadioGroup : public QGroupBox {
  Q_OBJECT
public:
  TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);
  // The checked item's index, -1 when none is.
  int ItemIndex() const;
  // An index outside the items checks none.
  void SetItemIndex(int index);

private:
  QButtonGroup* buttons_;
};
