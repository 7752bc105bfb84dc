#pragma once
// The PLU report tables the inventory export reads, by the poll's exact "EcrRptClass":
// the table and its quantity, amount and PLU number fields.
#include <QString>
#include <optional>

struct InvtPluTable {
  const char* reportClass;
  const char* table;
  const char* quantity;
  const char* amount;
  const char* pluNumber;
};

// None when the class is not a PLU report the export knows.
std::optional<InvtPluTable> SelectPluTable(const QString& reportClass);
