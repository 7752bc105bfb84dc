#pragma once
// The windows that the register drivers and the machine list open through the form
// registry (FormRegistry), one request type each. A window reads its request, fills in
// the subject it names, and answers its modal result: FormOk when the user chose,
// anything else when not.
#include <QString>
#include <QStringList>

class TObject;
class tEcr;
class tEcrModelChoice;
class tEcrPrg;
class tEcrRpt;
class tEcrSelection;
class tMachine;
class tMachineSelection;

namespace EcrForms {
constexpr int FormOk = 1;
} // namespace EcrForms

// The model chooser: one level of the manufacturer / model / ROM version choice.
struct ModelChoiceRequest {
  static constexpr const char* kForm = "TfmEcrGet";
  tEcrModelChoice& choice;
  QString caption;
};

// The program selector: fills selection.Chosen from selection.Offered (several when Multi).
struct PrgSelectRequest {
  static constexpr const char* kForm = "TfmEcrPrgSlct";
  tEcrSelection& selection;
};

// The report selector: fills selection.Chosen with one of selection.Offered.
struct RptSelectRequest {
  static constexpr const char* kForm = "TfmEcrRptSlct";
  tEcrSelection& selection;
};

// The Program ID editor of a driver, with the ID new entries start from.
struct PrgIdRequest {
  static constexpr const char* kForm = "TfmEcrPrgOpts";
  tEcr& ecr;
  QString defaultId;
};

// The "Machine List": fills selection.Chosen; in maintenance mode it also edits the list.
struct MachineListRequest {
  static constexpr const char* kForm = "TfmMachSelct";
  tMachineSelection& selection;
  bool maintenance = false;
};

// "Machine Maintenance" of one machine; usedIds are the IDs other machines already have.
struct MachineMaintRequest {
  static constexpr const char* kForm = "TfmMachineMaint";
  tMachine& machine;
  bool isNew = false;
  QStringList usedIds;
};

// The "Save Progress" window of a long operation, one per subject: shown at 0, stepped,
// closed at the end. An empty caption shows "Save Progress".
struct SaveProgressRequest {
  static constexpr const char* kForm = "TfmSaveProgress";
  TObject* subject = nullptr;
  QString caption;
  int percent = 0;
  bool close = false;
};

// The forms below are chosen by the report or program class: each is registered and
// asked under the class's form name (GetOptsFormClass, ReportFormClass, GetMaintFormClass).

// A report's options form.
struct RptOptsRequest {
  static constexpr const char* kForm = "report options form";
  tEcrRpt& report;
  QString caption;
};

// A report's presentation of one stored poll, on screen or printed.
struct RptPresentRequest {
  static constexpr const char* kForm = "report form";
  tEcrRpt& report;
  bool print = false;
  qint32 pollId = 0;
};

// A program table's options form.
struct PrgOptsRequest {
  static constexpr const char* kForm = "program options form";
  tEcrPrg& program;
  QString caption;
};

// A program table's maintenance window; the table is open while it shows.
struct PrgMaintRequest {
  static constexpr const char* kForm = "program maintenance form";
  tEcrPrg& program;
  QString caption;
};
