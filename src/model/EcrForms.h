#pragma once
// The windows that the register drivers and the machine list open through the form
// registry (FormRegistry), and what they hand over. Each window gets a subject object that it reads and fills in,
// and answers its modal result: FormOk when the user chose, anything else when not.
#include <QString>

namespace EcrForms {
constexpr int FormOk = 1;

// The model chooser; subject: tEcrModelChoice; argument "Caption".
inline QString ModelChooser() { return QStringLiteral("TfmEcrGet"); }
// The program selector; subject: tEcrSelection (Offered, Multi; fills Chosen).
inline QString PrgSelector() { return QStringLiteral("TfmEcrPrgSlct"); }
// The report selector; subject: tEcrSelection (Offered; fills Chosen).
inline QString RptSelector() { return QStringLiteral("TfmEcrRptSlct"); }
// The Program ID editor; subject: the driver; argument "DefaultID".
inline QString PrgIdEditor() { return QStringLiteral("TfmEcrPrgOpts"); }
// The "Machine List"; subject: tMachineSelection (Maintenance; fills Chosen).
inline QString MachineList() { return QStringLiteral("TfmMachSelct"); }
// "Machine Maintenance"; subject: the machine; arguments "New" and "UsedIds".
inline QString MachineMaint() { return QStringLiteral("TfmMachineMaint"); }
} // namespace EcrForms
