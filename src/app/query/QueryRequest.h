#pragma once
// One request: a line of four fields separated by TABs, cut from the left. The command
// ends at the first TAB, the machine id at the second, the answer file at the third; the
// parameter is the rest and may hold TABs itself. Where a TAB is missing, the field it
// would end is empty and the text stays whole for the parameter, so a line of fewer than
// three TABs has no answer file ("MachineList" alone is a parameter, not a command).
#include <QString>

struct QueryRequest {
  QString command;
  QString machineId;
  QString outputFile;
  QString param;
  int tabs = 0; // TABs that ended a field (at most three): with three the path is whole

  static QueryRequest Parse(const QString& line);
};
