#pragma once
// How the library shows its message boxes; tests install a recorder in place of the boxes.
#include <QString>

class QWidget;

class TWdgMessageSink {
public:
  enum class Kind { Error, Plain }; // Error: error icon, OK only. Plain: no icon, OK only.
  virtual ~TWdgMessageSink() = default;
  virtual void Show(QWidget* parent, Kind kind, const QString& caption, const QString& text) = 0;
  static TWdgMessageSink& Current();          // the installed sink, else the QMessageBox one
  static void Install(TWdgMessageSink* sink); // nullptr puts the QMessageBox one back
};
