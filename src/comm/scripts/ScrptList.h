#pragma once
// The stored scripts: the object file "Scripts" (tScrptFile), opened once on first use and
// closed at program end, and the operations that read and change it. Each waits for the
// file's busy flag (TScrptFileLock), letting events run, takes it and clears it when it
// ends, also on an error, so a request that arrives while another lets the loop run cannot
// move the file's cursor under it.
#include <QString>
#include <QStringList>
#include <memory>

class tEcr;
class tMachine;
class tScrpt;
class tScrptFile;

// The machine the script windows work for: the actions of a script read from then on
// attach to it.
QString ScrptMachineId();
void SetScrptMachineId(const QString& machineId);

// Opens the file when it is not open yet; the table is made when the engine cannot open
// it. nullptr when the object database could not be opened (the user has been told).
tScrptFile* OpenScrptFile();
// At program end (and between tests): closes and frees the file, gives up its use of the
// object database and clears ScrptMachineId.
void CloseScrptFile();

// Appends the id of every stored script made for exactly the driver's class (of every
// stored script without a driver). Stored scripts made for the bare base class tEcr are
// deleted on the way.
void ListScrpts(QStringList& list, const tEcr* driver);
// A copy of the stored script with that id (the caller owns it), or nullptr.
std::unique_ptr<tScrpt> LoadScrpt(const QString& id);
// Stores the script as a new record; a key violation (the id is in use) passes on as the
// engine's error.
void InsertScrpt(const tScrpt& script);
// Writes the script over the stored record with the id oldId (the script's own id may
// differ: the record is then renamed). False when no record has that id.
bool UpdateScrpt(const QString& oldId, const tScrpt& script);
// Deletes the stored script with that id; false when there is none.
bool DeleteScrpt(const QString& id);

// "Script List" for the machine and the driver: the script the user selects (a copy the
// caller owns), or nullptr; with maintenance only set nothing can be selected.
std::unique_ptr<tScrpt> SelectScrpt(const tMachine* machine, const tEcr* driver, bool maintenanceOnly);

bool ScrptFileBusy();

// Waits for and takes the busy flag; clears it when it goes away.
class TScrptFileLock {
public:
  TScrptFileLock();
  ~TScrptFileLock();
  TScrptFileLock(const TScrptFileLock&) = delete;
  TScrptFileLock& operator=(const TScrptFileLock&) = delete;
};
