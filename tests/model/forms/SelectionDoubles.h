#pragma once
// Drivers for the tests of the choosers and selectors: a maker whose one model offers three
// ROM versions (each counting its live instances, so a test sees what was freed), and a
// driver with named programs and reports, each able to be copied by streaming.
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"

#include <memory>

class tSelRom : public tEcr {
  TB_OBJECT(tSelRom)
public:
  explicit tSelRom(TBlank blank) : tEcr(blank) { ++live; }
  ~tSelRom() override { --live; }
  void GetModel(tEcr*& result) override { result = this; }
  static inline int live = 0;
};

#define SEL_TEST_ROM(Cls, Text)                                                  \
  class Cls final : public tSelRom {                                             \
    TB_OBJECT(Cls)                                                               \
  public:                                                                        \
    explicit Cls(TBlank blank) : tSelRom(blank) {}                               \
    QString GetRomName() const override { return QStringLiteral(Text); }         \
  };
SEL_TEST_ROM(tSelRomZeta, "Zeta 1.0")
SEL_TEST_ROM(tSelRomAlpha, "Alpha 2.0")
SEL_TEST_ROM(tSelRomMid, "Mid 3.0")
#undef SEL_TEST_ROM

// The model: its level offers the three ROM versions.
class tSelModel final : public tEcr {
  TB_OBJECT(tSelModel)
public:
  explicit tSelModel(TBlank blank) : tEcr(blank) {}
  QString GetModelName() const override { return QStringLiteral("Test Model"); }
  QList<const TClass*> GetSubModels() const override;
  void GetModel(tEcr*& result) override { SelectModel(result, 2); }
};

// The maker: its level offers the model.
class tSelMaker final : public tEcr {
  TB_OBJECT(tSelMaker)
public:
  explicit tSelMaker(TBlank blank) : tEcr(blank) {}
  QString GetMfgName() const override { return QStringLiteral("Test Maker"); }
  QList<const TClass*> GetSubModels() const override { return {&tSelModel::StaticClass()}; }
  void GetModel(tEcr*& result) override { SelectModel(result, 1); }
};

// The root: its level offers the maker.
class tSelRoot final : public tEcr {
  TB_OBJECT(tSelRoot)
public:
  explicit tSelRoot(TBlank blank) : tEcr(blank) {}
  QList<const TClass*> GetSubModels() const override { return {&tSelMaker::StaticClass()}; }
};

#define SEL_TEST_PRG(Cls)                                                        \
  class Cls final : public tEcrPrg {                                             \
    TB_OBJECT(Cls)                                                               \
  public:                                                                        \
    explicit Cls(TBlank blank) : tEcrPrg(blank) {}                               \
    QString GetPrgName() const override;                                         \
    tEcrPrgCapSet GetPrgCapSet() const override;                                 \
  };
SEL_TEST_PRG(tSelPrgSales)  // "Sales": send, receive, maintain
SEL_TEST_PRG(tSelPrgClerks) // "Clerks": send
SEL_TEST_PRG(tSelPrgTaxes)  // "Taxes": send, maintain
#undef SEL_TEST_PRG

#define SEL_TEST_RPT(Cls)                                                        \
  class Cls final : public tEcrRpt {                                             \
    TB_OBJECT(Cls)                                                               \
  public:                                                                        \
    explicit Cls(TBlank blank) : tEcrRpt(blank) {}                               \
    QString GetRptName() const override;                                         \
  };
SEL_TEST_RPT(tSelRptFncl) // "Financial"
SEL_TEST_RPT(tSelRptPlu)  // "PLU"
#undef SEL_TEST_RPT

// A driver with the three programs (in the order Sales, Clerks, Taxes) and two reports.
class tSelDriver final : public tEcr {
  TB_OBJECT(tSelDriver)
public:
  explicit tSelDriver(TBlank blank) : tEcr(blank) {}
  void Create(TObject* owner) override;
};

std::unique_ptr<tEcr> NewSelDriver();
