#pragma once
// The windows of scripts, reached through the form registry (FormRegistry) with one request
// type each. A window answers ScrptForms::FormOk when the user chose or accepted.
#include <memory>

class tEcr;
class tMachine;
class tScrpt;

namespace ScrptForms {
constexpr int FormOk = 1;
} // namespace ScrptForms

// "Script List": the stored scripts of the driver's model (of every model without a
// driver); adds, duplicates, edits, deletes and prints them, and with selectable set
// fills chosen with a copy of the script the user selects.
struct ScrptListRequest {
  static constexpr const char* kForm = "TfmScrptSelct";
  const tMachine* machine = nullptr;
  const tEcr* driver = nullptr;
  bool maintenanceOnly = false;
  std::unique_ptr<tScrpt> chosen;
};

// "Script Maintenance" of one script for the machine: on Accept the script holds the
// edited id and actions, and the window answers FormOk.
struct ScrptMaintRequest {
  static constexpr const char* kForm = "TfrmScrptMaint";
  tScrpt& script;
  const tMachine* machine = nullptr;
};
