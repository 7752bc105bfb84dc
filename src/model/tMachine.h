#pragma once
// One cash register the system talks to: where it is, how to reach it, how it names
// itself in the register protocol, and its register driver (a leaf of the driver tree),
// which it owns and is the owner of. Stored in the object file "Machine" (tMachineFile)
// in the stream form of ReadMachine and WriteMachine.
#include "platform/sys/TObject.h"

#include <QString>
#include <QStringList>
#include <memory>

class TObjectReader;
class TObjectWriter;
class tEcr;

class tMachine : public TObject {
  TB_OBJECT(tMachine)
public:
  // Every text empty, every number 0, no driver.
  tMachine();
  explicit tMachine(TBlank blank);
  ~tMachine() override;
  tMachine(const tMachine&) = delete;
  tMachine& operator=(const tMachine&) = delete;

  // In stream order.
  QString MachineId;     // unique name, the key of the machine file
  QString CommPort;      // a telephony device name, or "Direct to COM" and the port number
  qint32 BaudRate = 0;
  QString ROMVersion;    // stored only; the ROM shown comes from the driver
  qint32 StoreNumber = 0;
  qint32 MachineNumber = 0;
  QString DialStr;
  QString ProgramID;     // the table set of the programs whose Program ID is "Default"
  QString Contact1;
  QString Contact2;
  qint32 SwitchNumber = 0;
  QString Address;
  QString State;
  QString City;
  quint8 Currency = 0;   // currency decimal places
  qint32 Zip = 0;
  QString Phone;
  QString Fax;
  QString SwitchType;    // "None", "4 Port", "8 Port", "Distributed" or "CAS-81"

  // The machine's driver (FEcr), or nullptr.
  tEcr* Ecr() const { return ecr_.get(); }
  // Takes the driver and becomes its owner; the earlier driver is freed.
  void SetEcr(std::unique_ptr<tEcr> ecr);

  // The "Machine Maintenance" dialog (a MachineMaintRequest)
  // over this machine, which it edits in place: true when the user saved. A machine
  // without a driver first gets one from the model choice; cancelling that raises
  // EUserAbort and the dialog does not open.
  bool DoMaint(bool isNew, const QStringList& usedIds);
  // Stores this machine over the stored record of the same MachineId and refreshes the
  // machine cache; nothing is written when no record has that id (see MachineList).
  void Update();

  static void ReadMachine(TObject& obj, TObjectReader& reader);
  static void WriteMachine(const TObject& obj, TObjectWriter& writer);

private:
  std::unique_ptr<tEcr> ecr_;
};
