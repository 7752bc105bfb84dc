#include "widgets/WdgBeeper.h"

#include <QApplication>

namespace {
class TSystemBeeper final : public TWdgBeeper {
public:
  void Beep() override { QApplication::beep(); }
};

TWdgBeeper* installed = nullptr;
} // namespace

TWdgBeeper& TWdgBeeper::Current() {
  static TSystemBeeper system;
  return installed ? *installed : system;
}

void TWdgBeeper::Install(TWdgBeeper* beeper) { installed = beeper; }
