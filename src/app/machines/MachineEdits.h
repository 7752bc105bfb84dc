#pragma once
// What the "Machine List" window does to the stored machines. Each change acts only on the
// record it found: a list that went stale (the machine was deleted meanwhile) never
// rewrites or deletes another machine's record.
#include <QString>

class tMachine;

namespace MachineEdits {
// Stores the edited machine over the record stored under oldId (the edit may have renamed
// it) and refreshes the machine cache. False, and nothing written, when no record has oldId.
bool ReplaceMachine(const QString& oldId, const tMachine& edited);
} // namespace MachineEdits
