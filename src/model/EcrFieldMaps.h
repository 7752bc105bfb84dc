#pragma once
// The field maps through which a register driver tells the data queries of outside
// callers (EcrDataLists) which program class, report class and table fields hold its
// PLUs, groups, employees and financial figures. Each map starts with the values of the
// driver base (empty names, false, 0, except where given); a driver class fills in its own.
#include <QString>
#include <QStringList>

// PLU and UPC programs.
struct TEcrPrgItemFields {
  QString PrgClass;
  QString CodeField;
  QString DescField;
  QStringList PriceFields;
  QString SecondCodeField;
  int Number = 13;
  QString Field7;
  QString Field8;
  QString NegativeField;
  QString GroupField;
  QString UnusedField; // no answer uses it
  QString ScaleField;
  QString FlagType = QStringLiteral("Integer"); // type name of the flag fields
};

struct TEcrPLURptFields {
  QString RptClass;
  QString CodeField;
  QString FilterField; // when named, a row counts only when this field is 1
  QString CountField;
  QString TotalField;
  QString WasteField;
  QString PromoField;
};

struct TEcrFnclRptFields {
  QString RptClass;
  bool Pairs = false; // the list is key field, value field, then (key value, label) pairs
  int Count = 0;
  QStringList Fields;
};

struct TEcrGroupPrgFields {
  QString PrgClass;
  QString CodeField;
  QString DescField;
};

struct TEcrGroupRptFields {
  QString RptClass;
  QString CodeField;
  QString ValueField;
};

struct TEcrEmplPrgFields {
  QString PrgClass;
  QString NumberField;
  QString NameField;
  QStringList JobFields;
};

struct TEcrEmplRptFields {
  QString RptClass;
  // The job-code and hours fields are named as they are, rather than formed per job.
  bool Direct = false;
  QString NumberField;
  QStringList JobFields;
  QString RegularField;
  QString OvertimeField; // empty: none
  // Hours are stored as hours.minutes in hundredths rather than as decimal hours.
  bool Hundredths = false;
};
