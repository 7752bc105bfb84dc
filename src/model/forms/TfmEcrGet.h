#pragma once
// The model chooser: one level of the manufacturer / model / ROM version choice, one
// sorted entry per candidate driver. A click asks the clicked candidate for its model
// (which may open the next level's chooser) and closes the window with OK.
#include <QDialog>

class QListWidget;
class QListWidgetItem;
class tEcrModelChoice;

class TfmEcrGet : public QDialog {
  Q_OBJECT
public:
  explicit TfmEcrGet(tEcrModelChoice& choice, const QString& caption, QWidget* parent = nullptr);

  QListWidget* List() const { return list_; }

protected:
  void showEvent(QShowEvent* event) override;

private:
  void Clicked(QListWidgetItem* item);

  tEcrModelChoice& choice_;
  QListWidget* list_;
  bool chosen_ = false;
};
