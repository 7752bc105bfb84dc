#pragma once
// The action that receives a program table from the register into its local table.
#include "comm/actions/tActnPrg.h"

class tActnPrgRec : public tActnPrg {
  TB_OBJECT(tActnPrgRec)
public:
  explicit tActnPrgRec(TBlank blank) : tActnPrg(blank) {}
  QString GetTitle() const override; // "PROGRAM RECEIVE"

protected:
  tEcr::PrgMode SelectMode() const override { return tEcr::ModeSave; }
  QString WriteFailedText() const override;
};
