#pragma once
// The main window: six big buttons, the main menu and the invisible shortcuts, each
// calling a dispatcher operation or opening one of the two sub-menus. It owns the main
// timer. Each activation (and the closing of the Setup Menu) runs the activation step;
// closing the window ends the program.
#include <QMainWindow>

class TMainActivation;
class TMainTimer;
class TdmEffector;

class TfrmMainMenu : public QMainWindow {
  Q_OBJECT
public:
  TfrmMainMenu(TdmEffector& effector, TMainActivation& activation, QWidget* parent = nullptr);
  ~TfrmMainMenu() override;

  const QString& DataFolder() const { return dataFolder_; }
  TMainTimer* MainTimer() const { return timer_; }
  void ActivationStep();

protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void BuildButtons();
  void BuildMenus();
  void BuildShortcuts();
  void OpenCommMenu();
  void OpenSetupMenu();
  void OpenDataDirectory();

  TdmEffector& effector_;
  TMainActivation& activation_;
  QString dataFolder_;
  TMainTimer* timer_ = nullptr;
  bool shown_ = false;
};
