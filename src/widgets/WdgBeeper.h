#pragma once
// How the library sounds its beep for a refused key or edit; tests install a counter.
class TWdgBeeper {
public:
  virtual ~TWdgBeeper() = default;
  virtual void Beep() = 0;
  static TWdgBeeper& Current();       // the installed beeper, else the system's default beep
  static void Install(TWdgBeeper* beeper); // nullptr puts the system's beep back
};
