#pragma once
// A line given by its device path rather than by a port name. The com port opens ports by
// number through the settings' mapping; while a PollDevice is alive, every serial device
// this program opens is that path instead, so the mapping (and the user's settings file)
// stays untouched. The program has one line, so there is nothing else to open.
#include <QString>

class PollDevice {
public:
  explicit PollDevice(const QString& path);
  ~PollDevice();
  PollDevice(const PollDevice&) = delete;
  PollDevice& operator=(const PollDevice&) = delete;
};
