#pragma once
// The application object: an error that leaves an event handler reaches the
// application-wide handler ("This program has generated an error - ...") and the program
// goes on.
#include <QApplication>

class TApplication : public QApplication {
  Q_OBJECT
public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
