#pragma once
// The program's command-line options:
//   --screenshot FILE    once started, writes a picture of the screen to FILE (PNG);
//                        with --quit-after-start the program ends after it
//   --quit-after-start   ends the program once the main window is up and its first
//                        activation has run (for start-up checks and timing)
#include <QString>

class QMainWindow;

struct StartOptions {
  QString screenshot;
  bool quitAfterStart = false;
};

StartOptions ParseStartOptions();
// Arranges what the options ask for once the main window is shown.
void ApplyStartOptions(const StartOptions& options, QMainWindow& window);
