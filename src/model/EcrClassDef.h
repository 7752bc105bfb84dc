#pragma once
// One line in a program or report class's .cpp defines it: its run-time class and its
// stream form, so that it can be named in a ROM list and stored with a driver.
//   TB_DEFINE_PRG_CLASS(tEcrPrgCrs3000Tax, tEcrPrgCrs3000)
//   TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Tax, tEcrRptCrs3000)
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
