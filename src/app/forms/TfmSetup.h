#pragma once
// The "Setup Menu": big buttons for schedules, the calendar, machines, preferences,
// scripts and exports. It stays open after a button's command; the user closes it.
#include <QDialog>

class TdmEffector;

class TfmSetup : public QDialog {
  Q_OBJECT
public:
  explicit TfmSetup(TdmEffector& effector, QWidget* parent = nullptr);
};
