#pragma once
// A report as crs-poll reads it: the blocks stay in the work file, nothing is decoded or
// stored. The file is read through once at the save, so a damaged one fails the read.
//
// Time Period and Time Keeping read their sub-reports with new report objects made by
// class name; crs-poll registers a class of this kind under each sub-report name that the
// program has no class of (RegisterSubRpts), so those reads work the same way.
#include "model/tEcrRpt.h"

class tCrsPollRpt : public tEcrRpt {
  TB_OBJECT(tCrsPollRpt)

public:
  explicit tCrsPollRpt(TBlank blank) : tEcrRpt(blank) {}

  int Code = 0;

  int GetRptCode() const override { return Code; }
  QString GetRptName() const override { return QString::number(Code); }
  void ReadBlockFile(QFile& file) override;

  // Blocks in the last work file read.
  qint32 Blocks = 0;

  // Registers the sub-report classes (once).
  static void RegisterSubRpts();
};
