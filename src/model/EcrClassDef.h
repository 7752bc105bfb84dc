#pragma once
// One line in a program or report class's .cpp defines it: its run-time class and its
// stream form, so that it can be named in a ROM list and stored with a driver. A register
// family adds its ROM binding on top (for the CRS 3000: crs3000/Crs3000ClassDef.h).
//   TB_DEFINE_PRG_CLASS(tEcrPrgMyTable, tEcrPrg)
//   TB_DEFINE_RPT_CLASS(tEcrRptMyReport, tEcrRpt)
#include "model/EcrStreamForm.h"
#include "platform/sys/TObject.h"

#define TB_ECR_FNCT_REGISTRATION_(Name, Register)                                 \
  namespace {                                                                    \
  const struct Name##Registration {                                              \
    Name##Registration() { EcrStreamForm::Register(Name::StaticClass()); }       \
  } Name##registration;                                                          \
  }

#define TB_DEFINE_PRG_CLASS(Name, Parent)                                        \
  TB_DEFINE_CLASS(Name, Parent)                                                  \
  TB_ECR_FNCT_REGISTRATION_(Name, RegisterPrg)

#define TB_DEFINE_RPT_CLASS(Name, Parent)                                        \
  TB_DEFINE_CLASS(Name, Parent)                                                  \
  TB_ECR_FNCT_REGISTRATION_(Name, RegisterRpt)
