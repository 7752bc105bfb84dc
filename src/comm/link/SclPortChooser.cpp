#include "comm/link/SclPortChooser.h"

namespace {
TSclPortChooser& Chooser() {
  static TSclPortChooser chooser;
  return chooser;
}
} // namespace

void SetSclPortChooser(TSclPortChooser chooser) { Chooser() = std::move(chooser); }

int ChooseSclPort() { return Chooser() ? Chooser()() : 0; }
