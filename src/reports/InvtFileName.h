#pragma once
// The output file of the inventory export: settings section "V6InvtUpdate", key
// "File Name", "NO FILE ON RECORD" until the user names one.
#include <QString>

namespace InvtFileName {
inline constexpr char kSection[] = "V6InvtUpdate";
inline constexpr char kKey[] = "File Name";
inline constexpr char kNoFile[] = "NO FILE ON RECORD";

// The name on record, as it stands.
QString Read();
// The name on record; with none yet, asks for one once ("Change File Name") and reads
// again, so it is still "NO FILE ON RECORD" when the user cancelled.
QString GetInvtFileName();
// Asks for a new name ("Change File Name") and records it when the user gives one;
// true when it did.
bool ChangeInvtFile();
} // namespace InvtFileName
