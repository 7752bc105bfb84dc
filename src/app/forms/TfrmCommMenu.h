#pragma once
// The "Communications Menu": big buttons for polling and for saving and sending programs.
// It stays open after a button's command; the user closes it.
#include <QDialog>

class TdmEffector;

class TfrmCommMenu : public QDialog {
  Q_OBJECT
public:
  explicit TfrmCommMenu(TdmEffector& effector, QWidget* parent = nullptr);
};
