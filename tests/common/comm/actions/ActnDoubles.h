#pragma once
// A register driver for the tests of actions and of what performs them (model name
// "Test"): programs "Alpha" (sent and received, with the options form "TfmActnTestOpts")
// and "Bravo" (sent, no options), reports "Financial" (with the same options form) and
// "PLU" (no options). tActnTestUnstored is a program class with no stream form, so a
// stream of it fails. Machines with this driver are made by NewMachine.
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"

#include <memory>

class tMachine;

#define ACTN_TEST_PRG(Cls)                                                       \
  class Cls final : public tEcrPrg {                                             \
    TB_OBJECT(Cls)                                                               \
  public:                                                                        \
    explicit Cls(TBlank blank) : tEcrPrg(blank) {}                               \
    QString GetPrgName() const override;                                         \
    QString GetOptsFormClass() const override;                                   \
    tEcrPrgCapSet GetPrgCapSet() const override;                                 \
  };
ACTN_TEST_PRG(tActnTestPrgAlpha)
ACTN_TEST_PRG(tActnTestPrgBravo)
ACTN_TEST_PRG(tActnTestUnstored)
#undef ACTN_TEST_PRG

#define ACTN_TEST_RPT(Cls)                                                       \
  class Cls final : public tEcrRpt {                                             \
    TB_OBJECT(Cls)                                                               \
  public:                                                                        \
    explicit Cls(TBlank blank) : tEcrRpt(blank) {}                               \
    QString GetRptName() const override;                                         \
    QString GetOptsFormClass() const override;                                   \
  };
ACTN_TEST_RPT(tActnTestRptFncl)
ACTN_TEST_RPT(tActnTestRptPlu)
#undef ACTN_TEST_RPT

class tActnTestEcr final : public tEcr {
  TB_OBJECT(tActnTestEcr)
public:
  explicit tActnTestEcr(TBlank blank) : tEcr(blank) {}
  void Create(TObject* owner) override;
  QString GetModelName() const override;
};

namespace ActnDoubles {
inline constexpr char kOptsForm[] = "TfmActnTestOpts";
std::unique_ptr<tEcr> NewDriver();
// A machine with the id and a test driver.
std::unique_ptr<tMachine> NewMachine(const QString& id);
// Stores a machine with the id and a test driver in the machine file (which must be open
// over a data folder of the test's own).
void StoreMachine(const QString& id);
} // namespace ActnDoubles
