#pragma once
// The financial report under one title: the lines of its five sections (sales, receipts,
// memo, system balancing, table service), each section under its heading, with the average
// of each line as currency text. The sections are the polls stored right after the head, each
// taken only when it is of its section's class (RptFnclSectionRows); the head's own row and
// the poll the header shows are never moved, so every generation prints the same.
#include "reports/RptLineChain.h"
#include "reports/RptLineProgramTables.h"
#include "reports/TQrEcrRpt3000.h"

#include <array>
#include <memory>

class TQrEcrRptCrs3000Financial : public TQrEcrRpt3000 {
public:
  static constexpr const char* kSources[] = {"Sales", "Receipts", "Memo", "SysBal", "TblSrvc"};

  TQrEcrRptCrs3000Financial();
  void BindPrograms(const tEcrRpt& report) override;

protected:
  // roll: the narrow roll's layout (TQrEcrRptCrs3000Financial2), each line a block.
  TQrEcrRptCrs3000Financial(const QString& name, bool roll);

private:
  static RptLineLayout LayoutOf(int section, bool roll);

  void OpenSections();

  std::array<std::unique_ptr<RptLineChain>, 5> chains_;
  std::array<std::unique_ptr<RptKeyedSource>, 5> sections_;
  RptLineProgramTables programs_;
  QString database_;
};
