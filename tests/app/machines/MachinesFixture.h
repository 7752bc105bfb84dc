#pragma once
// What the machine tests share: the model's quiet environment (own data folder, fixed
// clock, scripted prompter) with a machine file that starts empty, and stored machines
// with the test driver of the actions' tests (programs "Alpha" and "Bravo").
#include "model/ModelFixture.h"

#include "model/tMachine.h"

#include <memory>

class MachinesFixture : public ModelFixture {
protected:
  MachinesFixture();
  ~MachinesFixture() override;

  // A machine with the id, the test driver and the fields a listing shows.
  static std::unique_ptr<tMachine> Machine(const QString& id, int store = 1, int number = 2);
  static void Store(const tMachine& machine);
  // The stored record, read past the machine cache; nullptr when none has the id.
  static std::unique_ptr<tMachine> Stored(const QString& id);
};
