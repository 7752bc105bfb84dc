#pragma once
// The eighteen ROM version classes of the CRS 3000, the leaves of the driver tree that a
// machine stores (their names are in every stored machine). Each is its own registered
// class; all of them take their ROM text and their program and report lists from the
// tables of Crs3000RomVersions and Crs3000RomLists.
#include "crs3000/Crs3000RomVersions.h"
#include "crs3000/tEcrCrs3000.h"

#define TB_CRS3000_ROM_CLASS(Name, Index)                                        \
  class Name final : public tEcrCrs3000 {                                        \
    TB_OBJECT(Name)                                                              \
  public:                                                                        \
    explicit Name(TBlank blank) : tEcrCrs3000(blank) {}                          \
    void Create(TObject* owner) override {                                       \
      CreateRom(owner, Crs3000RomVersions::At(Index).Column);                    \
    }                                                                            \
    QString GetRomName() const override { return Crs3000RomVersions::At(Index).RomName; } \
    void GetModel(tEcr*& result) override { result = this; }                     \
  };

TB_CRS3000_ROM_CLASS(tEcrCrs3000V0061, 0)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0077, 1)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0101, 2)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0218, 3)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0219, 4)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0220, 5)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0221, 6)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0222, 7)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0223, 8)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0224, 9)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0225, 10)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0226, 11)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0302, 12)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0303, 13)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0304, 14)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0305, 15)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0402, 16)
TB_CRS3000_ROM_CLASS(tEcrCrs3000V0403, 17)

#undef TB_CRS3000_ROM_CLASS
