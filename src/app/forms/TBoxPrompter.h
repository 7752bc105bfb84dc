#pragma once
// The prompter of the desktop program: every message and question of the system as a
// message box over the active window.
#include "platform/sys/Prompter.h"

class TBoxPrompter final : public Prompter {
public:
  Answer Ask(Kind kind, const QString& caption, const QString& text, int buttons, Answer defaultAnswer) override;
};
