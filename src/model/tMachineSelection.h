#pragma once
// What the "Machine List" window ("TfmMachSelct") is opened with and gives back: whether
// it is open for maintenance only (its Select button disabled), and a copy of the machine
// the user selected, which the window puts here before it closes with FormOk.
#include "model/tMachine.h"

class tMachineSelection : public TObject {
  TB_OBJECT(tMachineSelection)
public:
  explicit tMachineSelection(bool maintenance) : Maintenance(maintenance) {}
  explicit tMachineSelection(TBlank blank) : TObject(blank) {}

  bool Maintenance = false;
  std::unique_ptr<tMachine> Chosen;
};
