#pragma once
// The CRS 3000 option dialogs, one row each: the form class name a report asks for, the
// option groups it hides, the group it adds, the highest register number, and whether it
// polls one register only.
#include <QString>
#include <QStringList>
#include <vector>

struct RptOptCrs3000Variant {
  enum class Extra { None, ClockPunches, AdditionalReports };
  QString formClass;
  QStringList hidden; // group names: rgpArea, rgpPrintAtReg, gbRange, rgbRead, GroupBox1
  Extra extra = Extra::None;
  int highestRegister = 255;
  // "To Register" takes the value of "From Register" on Accept.
  bool oneRegister = false;
};

const std::vector<RptOptCrs3000Variant>& RptOptCrs3000Variants();
// The row of a form class; nullptr for a class that is none of them.
const RptOptCrs3000Variant* FindRptOptCrs3000Variant(const QString& formClass);
