#pragma once
// The action that sends a program table to the register.
#include "comm/actions/tActnPrg.h"

class tActnPrgSnd : public tActnPrg {
  TB_OBJECT(tActnPrgSnd)
public:
  explicit tActnPrgSnd(TBlank blank) : tActnPrg(blank) {}
  QString GetTitle() const override; // "PROGRAM SEND"

protected:
  tEcr::PrgMode SelectMode() const override { return tEcr::ModeSend; }
  QString WriteFailedText() const override;
};
