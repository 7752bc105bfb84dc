#pragma once
// A register driver with one program, "Counted", whose maintenance only counts how often
// it was opened; a machine with it is stored by StoreMaintMachine.
#include "model/tEcr.h"
#include "model/tEcrPrg.h"

class tAppTestPrg final : public tEcrPrg {
  TB_OBJECT(tAppTestPrg)
public:
  explicit tAppTestPrg(TBlank blank) : tEcrPrg(blank) {}
  QString GetPrgName() const override { return QStringLiteral("Counted"); }
  void Maintain() override { ++maintained; }
  static inline int maintained = 0;
};

class tAppTestEcr final : public tEcr {
  TB_OBJECT(tAppTestEcr)
public:
  explicit tAppTestEcr(TBlank blank) : tEcr(blank) {}
  void Create(TObject* owner) override;
  QString GetModelName() const override { return QStringLiteral("Counted"); }
};

void StoreMaintMachine(const QString& id);
