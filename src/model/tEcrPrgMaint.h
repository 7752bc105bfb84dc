#pragma once
// The data source that a program's Maintain makes over the program's table (with
// automatic edit mode on) and hands to the maintenance form; the program owns it.
#include <QString>

class TTable;
class tEcrPrg;

class tEcrPrgMaint {
public:
  tEcrPrgMaint(tEcrPrg& program, TTable& table, QString formClass);

  tEcrPrg& Program() const { return program_; }
  TTable& DataSet() const { return table_; }
  bool AutoEdit() const { return true; }
  const QString& FormClass() const { return formClass_; }
  // Shows the maintenance form modally (subject: the program; "Caption": PrgName), or
  // "Not Implemented" when the program has no maintenance form.
  void ShowForm();

private:
  tEcrPrg& program_;
  TTable& table_;
  QString formClass_;
};
