#pragma once
// The machine list: the stored machines in the object file "Machine", and the shared
// routines that open the file, look machines up, list, store and refresh them.
//
// The routines that move the file's cursor for a caller wait for and take one busy flag
// (MachineFileBusy) and clear it when they end, also on an error. They run on the GUI
// thread, and the flag keeps a request that arrives while another one lets the message
// loop run (a local-socket request, a timer tick) from moving the cursor under it: the
// newcomer waits, letting the loop run in short random steps, until the flag is clear.
//
// The machines read lately (up to 256) are kept in memory by id, the cache: a FindMachine
// of a cached id (case counts) costs one copy and no database access, a ReadMachine none.
// Every write through these routines empties the cache.
#include <QString>
#include <QStringList>
#include <memory>

class tMachine;
class tMachineFile;

// Opens the machine file when it is not open yet: over the shared object database, the
// table created when the engine reports it missing; any other engine error goes to the
// caller. nullptr when the object database could not be opened (the user has been told).
tMachineFile* OpenMachineFile();
// The same, made by the main window's first activation.
tMachineFile* InitMachineFile();
// At program end: closes and frees the file, gives up its use of the object database and
// drops the cache. Also registered to run when the application object goes away.
void CloseMachineFile();

// A new copy of the stored machine with that id (the caller owns it), or nullptr. Programs
// of its driver whose Program ID is "Default" carry the machine's ProgramID in the copy;
// the stored record is not changed.
std::unique_ptr<tMachine> FindMachine(const QString& machineId);
// The same machine for reading only, without a copy: readers share the cached machine
// until a write replaces it; a reader keeps the machine as it was when read.
std::shared_ptr<const tMachine> ReadMachine(const QString& machineId);
// Adds the MachineId of every stored machine, each once.
void ListMachines(QStringList& list);
// The "Machine List" window: a copy of the machine the user picks, or nullptr. With the
// maintenance flag set the window is for maintenance and its Select button is disabled.
std::unique_ptr<tMachine> SelectMachine(bool maintenance);
// Rewrites the file's current record from its current object, makes a copy of it the
// only cached machine and returns that copy (it stays the list's, until the next write).
const tMachine* CurrentMachine(tMachineFile& file);
// Stores the machine over the stored record of the same id and makes a copy of it the only
// cached machine; when no record has that id nothing is written and the cache stays as it
// was.
void UpdateMachine(const tMachine& machine);
// Stores a new machine (the key must be free: a key violation goes to the caller).
void AddMachine(const tMachine& machine);
// Deletes the stored machine with that id, only when it is found; empties the cache. True
// when a record was deleted.
bool DeleteMachine(const QString& machineId);

bool MachineFileBusy();

// Waits for and takes the busy flag; clears it when it goes away.
class TMachineFileLock {
public:
  TMachineFileLock();
  ~TMachineFileLock();
  TMachineFileLock(const TMachineFileLock&) = delete;
  TMachineFileLock& operator=(const TMachineFileLock&) = delete;
};
